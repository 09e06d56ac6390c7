<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AuthorsWindow</name>
    <message>
        <source>Авторы</source>
        <translation>Authors</translation>
    </message>
</context>
<context>
    <name>CharacteristicsView</name>
    <message>
        <source>Характеристики</source>
        <translation>Characteristics</translation>
    </message>
    <message>
        <source>Вид цепи и режим</source>
        <translation>Circuit type and regime</translation>
    </message>
</context>
<context>
    <name>CircuitScene</name>
    <message>
        <source>Элементы электрической цепи</source>
        <translation>Elements of the electric circuit</translation>
    </message>
    <message>
        <source>Ключ</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>Источник ЭДС</source>
        <translation>EMF source</translation>
    </message>
    <message>
        <source>Катушка индуктивности</source>
        <translation>Inductor coil</translation>
    </message>
    <message>
        <source>Резистор</source>
        <translation>Resistor</translation>
    </message>
    <message>
        <source>Конденсатор</source>
        <translation>Capacitor</translation>
    </message>
    <message>
        <source>Схема</source>
        <translation>Circuit</translation>
    </message>
</context>
<context>
    <name>CircuitSummary</name>
    <message>
        <source>цепь %1</source>
        <translation>%1 circuit</translation>
    </message>
    <message>
        <source>колебательный</source>
        <translation>underdamped</translation>
    </message>
    <message>
        <source>критический</source>
        <translation>critically damped</translation>
    </message>
    <message>
        <source>апериодический</source>
        <translation>overdamped</translation>
    </message>
    <message>
        <source>незатухающий</source>
        <translation>undamped</translation>
    </message>
    <message>
        <source>резонанс без потерь</source>
        <translation>lossless resonance</translation>
    </message>
    <message>
        <source>ν_C нет</source>
        <translation>no ν_C</translation>
    </message>
</context>
<context>
    <name>DelimitedText</name>
    <message>
        <source>запятая</source>
        <translation>comma</translation>
    </message>
    <message>
        <source>точка с запятой</source>
        <translation>semicolon</translation>
    </message>
    <message>
        <source>табуляция</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>пробелы</source>
        <translation>blanks</translation>
    </message>
    <message>
        <source>%1, десятичная запятая</source>
        <translation>%1, decimal comma</translation>
    </message>
    <message>
        <source>%1, десятичная точка</source>
        <translation>%1, decimal point</translation>
    </message>
</context>
<context>
    <name>DocumentViewer</name>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Вперёд</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Документ не найден</source>
        <translation>Document not found</translation>
    </message>
    <message>
        <source>Файл «%1» не найден. Программа искала его в папках:</source>
        <translation>The file &quot;%1&quot; was not found. The program looked for it in these folders:</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>значения %1 полей</source>
        <translation>values of %1 fields</translation>
    </message>
    <message>
        <source>запомнить кривые</source>
        <translation>remember curves</translation>
    </message>
    <message>
        <source>забыть кривые</source>
        <translation>forget curves</translation>
    </message>
    <message>
        <source>семейство кривых</source>
        <translation>family of curves</translation>
    </message>
    <message>
        <source>убрать семейство</source>
        <translation>remove family</translation>
    </message>
    <message>
        <source>закрыть измерения</source>
        <translation>close measurements</translation>
    </message>
    <message>
        <source>сдвиг измерений</source>
        <translation>shift of measurements</translation>
    </message>
    <message>
        <source>открыть измерения</source>
        <translation>open measurements</translation>
    </message>
    <message>
        <source>Отменить: </source>
        <translation>Undo: </translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Повторить: </source>
        <translation>Redo: </translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>Examples</name>
    <message>
        <source>Слабое затухание</source>
        <translation>Weak damping</translation>
    </message>
    <message>
        <source>Критический режим</source>
        <translation>Critically damped regime</translation>
    </message>
    <message>
        <source>Апериодический режим</source>
        <translation>Overdamped regime</translation>
    </message>
    <message>
        <source>Резонанс</source>
        <translation>Resonance</translation>
    </message>
    <message>
        <source>Биения</source>
        <translation>Beats</translation>
    </message>
    <message>
        <source>Заряд конденсатора (RC, постоянная ЭДС)</source>
        <translation>Capacitor charging (RC, constant EMF)</translation>
    </message>
    <message>
        <source>Установление тока в катушке (RL)</source>
        <translation>Current build-up in a coil (RL)</translation>
    </message>
    <message>
        <source>Контур без потерь (LC)</source>
        <translation>Lossless circuit (LC)</translation>
    </message>
</context>
<context>
    <name>Family</name>
    <message>
        <source>это значение в семействе уже есть</source>
        <translation>this value is already in the family</translation>
    </message>
</context>
<context>
    <name>FamilyDialog</name>
    <message>
        <source>&amp;Список значений:</source>
        <translation>&amp;List of values:</translation>
    </message>
    <message>
        <source>&amp;Диапазон от</source>
        <translation>&amp;Range from</translation>
    </message>
    <message>
        <source>&amp;равные отношения (логарифмическая шкала)</source>
        <translation>&amp;equal ratios (logarithmic scale)</translation>
    </message>
    <message>
        <source>Семейство кривых</source>
        <translation>Family of curves</translation>
    </message>
    <message>
        <source>например: 0,5; 1,265; 3</source>
        <translation>for example: 0.5; 1.265; 3</translation>
    </message>
    <message>
        <source>&amp;Параметр:</source>
        <translation>&amp;Parameter:</translation>
    </message>
    <message>
        <source>до</source>
        <translation>to</translation>
    </message>
    <message>
        <source>&amp;значений:</source>
        <translation>&amp;values:</translation>
    </message>
    <message>
        <source>Не больше %1 кривых. Значения проверяются так же, как при вводе в поле; R можно задать в долях Rк (2·Rк), ν — в долях ν₀ (1,1·ν₀).</source>
        <translation>At most %1 curves. Values are checked as when typed into a field; R may be given in parts of Rк (2·Rк), ν in parts of ν₀ (1.1·ν₀).</translation>
    </message>
    <message>
        <source>Построить</source>
        <translation>Build</translation>
    </message>
    <message>
        <source>&amp;Готовый выбор: </source>
        <translation>Ready-made &amp;choice: </translation>
    </message>
    <message>
        <source>Ни одно значение не подходит:
</source>
        <translation>No value fits:
</translation>
    </message>
    <message>
        <source>Не войдут в семейство:
</source>
        <translation>Will not be in the family:
</translation>
    </message>
    <message>
        <source>Построить без них</source>
        <translation>Build without them</translation>
    </message>
</context>
<context>
    <name>FamilyTable</name>
    <message>
        <source>&amp;Сохранить данные…</source>
        <translation>&amp;Save data…</translation>
    </message>
    <message>
        <source>Семейство</source>
        <translation>Family</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Режим</source>
        <translation>Regime</translation>
    </message>
    <message>
        <source>Пик резонанса</source>
        <translation>Resonance peak</translation>
    </message>
    <message>
        <source>Не вошли в семейство:
</source>
        <translation>Not in the family:
</translation>
    </message>
    <message>
        <source>семейство.csv</source>
        <translation>family.csv</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>L(мкГн)=</source>
        <translation>L (µH) =</translation>
    </message>
    <message>
        <source>Индуктивность катушки</source>
        <translation>Inductance of the coil</translation>
    </message>
    <message>
        <source>С(мкФ)=</source>
        <translation>C (µF) =</translation>
    </message>
    <message>
        <source>Электроёмкость конденсатора</source>
        <translation>Capacitance of the capacitor</translation>
    </message>
    <message>
        <source>R(Ом)=</source>
        <translation>R (Ω) =</translation>
    </message>
    <message>
        <source>Сопротивление резистора</source>
        <translation>Resistance of the resistor</translation>
    </message>
    <message>
        <source>Uo(B)=</source>
        <translation>Uo (V) =</translation>
    </message>
    <message>
        <source>Начальное напряжение на конденсаторе</source>
        <translation>Initial voltage across the capacitor</translation>
    </message>
    <message>
        <source>e(B)=</source>
        <translation>e (V) =</translation>
    </message>
    <message>
        <source>Амплитуда ЭДС источника</source>
        <translation>EMF amplitude of the source</translation>
    </message>
    <message>
        <source>v(Гц)=</source>
        <translation>ν (Hz) =</translation>
    </message>
    <message>
        <source>Частота тока источника</source>
        <translation>Frequency of the source current</translation>
    </message>
    <message>
        <source>Nmax=</source>
        <translation>Nmax =</translation>
    </message>
    <message>
        <source>Время расчёта (в собственных периодах или характерных временах)</source>
        <translation>Calculation time (in natural periods or characteristic times)</translation>
    </message>
    <message>
        <source>ε(B)</source>
        <translation>ε (V)</translation>
    </message>
    <message>
        <source>ε(B)=</source>
        <translation>ε (V) =</translation>
    </message>
</context>
<context>
    <name>FileReader</name>
    <message>
        <source>не удалось прочитать файл: %1</source>
        <translation>the file could not be read: %1</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>это не обычный файл, а устройство, канал или сокет</source>
        <translation>this is not a regular file but a device, a pipe or a socket</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>это дисковое устройство: запись в него уничтожила бы данные на диске</source>
        <translation>this is a disk device: writing to it would destroy the data on the disk</translation>
    </message>
    <message>
        <source>это сокет, а не файл</source>
        <translation>this is a socket, not a file</translation>
    </message>
    <message>
        <source>файл только для чтения: снимите этот запрет или сохраните под другим именем</source>
        <translation>the file is read-only: lift that restriction or save under another name</translation>
    </message>
    <message>
        <source>это канал, из которого никто не читает</source>
        <translation>this is a pipe nobody reads from</translation>
    </message>
</context>
<context>
    <name>Fit</name>
    <message>
        <source>слишком мало точек: нужно больше %1</source>
        <translation>too few points: more than %1 are needed</translation>
    </message>
    <message>
        <source>подбор не начался: в начальной точке модель не считается</source>
        <translation>the fit did not start: the model cannot be computed at the starting point</translation>
    </message>
    <message>
        <source>подбор не сошёлся за %1 итераций</source>
        <translation>the fit did not converge in %1 iterations</translation>
    </message>
    <message>
        <source>подбор не сошёлся: ни один шаг не уменьшает сумму квадратов отклонений</source>
        <translation>the fit did not converge: no step reduces the sum of squared deviations</translation>
    </message>
    <message>
        <source>подбор ушёл за пределы, где модель считается</source>
        <translation>the fit went beyond where the model can be computed</translation>
    </message>
    <message>
        <source>параметры не определяются по этим данным: разные их сочетания описывают кривую одинаково хорошо</source>
        <translation>these data do not determine the parameters: different combinations of them describe the curve equally well</translation>
    </message>
    <message>
        <source>кривая %1</source>
        <translation>curve %1</translation>
    </message>
    <message>
        <source>подбирать можно по одной или по двум кривым</source>
        <translation>a fit takes one or two curves</translation>
    </message>
    <message>
        <source>две кривые одной величины: подбирать можно по кривым разных величин</source>
        <translation>two curves of the same quantity: a fit takes curves of different quantities</translation>
    </message>
    <message>
        <source>%1: время и значения разной длины</source>
        <translation>%1: times and values differ in length</translation>
    </message>
    <message>
        <source>%1: слишком мало точек, нужно не меньше 10</source>
        <translation>%1: too few points, at least 10 are needed</translation>
    </message>
    <message>
        <source>%1: не все числа конечны</source>
        <translation>%1: not all numbers are finite</translation>
    </message>
    <message>
        <source>%1: время должно возрастать</source>
        <translation>%1: time must increase</translation>
    </message>
    <message>
        <source>%1: значения не меняются, подбирать нечего</source>
        <translation>%1: the values do not change, there is nothing to fit</translation>
    </message>
    <message>
        <source>заданные R, L и C должны быть больше нуля</source>
        <translation>the given R, L and C must be greater than zero</translation>
    </message>
    <message>
        <source>заданы все три величины R, L и C: подбирать нечего</source>
        <translation>all three of R, L and C are given: there is nothing to fit</translation>
    </message>
    <message>
        <source>момент замыкания ключа должен быть конечным числом</source>
        <translation>the switch closing time must be a finite number</translation>
    </message>
    <message>
        <source>ω₀ не определяется по этим данным: его погрешность больше половины значения</source>
        <translation>these data do not determine ω₀: its uncertainty is more than half its value</translation>
    </message>
    <message>
        <source>переходного процесса не видно: амплитуда отличается от нуля меньше, чем на три погрешности</source>
        <translation>no transient is visible: the amplitude differs from zero by less than three uncertainties</translation>
    </message>
    <message>
        <source>по этой кривой не найти начальных значений для подбора</source>
        <translation>no starting values for the fit can be found from this curve</translation>
    </message>
    <message>
        <source>совместный подбор по двум кривым: %1</source>
        <translation>joint fit of two curves: %1</translation>
    </message>
    <message>
        <source>шаг параметров стал мал</source>
        <translation>the parameter step became small</translation>
    </message>
    <message>
        <source>градиент суммы квадратов стал мал</source>
        <translation>the gradient of the sum of squares became small</translation>
    </message>
    <message>
        <source>до минимума суммы квадратов меньше 0,03 погрешности</source>
        <translation>the minimum of the sum of squares is less than 0.03 uncertainties away</translation>
    </message>
</context>
<context>
    <name>FitDialog</name>
    <message>
        <source>Подобрать параметры к измерениям</source>
        <translation>Fit parameters to measurements</translation>
    </message>
    <message>
        <source>Измерения: %1, %2, точек: %3</source>
        <translation>Measurements: %1, %2, points: %3</translation>
    </message>
    <message>
        <source>δ и ω₀ (одна кривая определяет только их)</source>
        <translation>δ and ω₀ (one curve determines only these)</translation>
    </message>
    <message>
        <source>R и L при известной C (из поля)</source>
        <translation>R and L for known C (from the field)</translation>
    </message>
    <message>
        <source>R и C при известной L (из поля)</source>
        <translation>R and C for known L (from the field)</translation>
    </message>
    <message>
        <source>Величина</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Погрешность</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Подбор не удался: </source>
        <translation>The fit failed: </translation>
    </message>
    <message>
        <source>Подобранные значения нельзя записать в поля.</source>
        <translation>The fitted values cannot be written into the fields.</translation>
    </message>
    <message>
        <source>«Принять» запишет в поля: </source>
        <translation>&quot;Accept&quot; will write into the fields: </translation>
    </message>
</context>
<context>
    <name>FitSummary</name>
    <message>
        <source>1/с</source>
        <translation>1/s</translation>
    </message>
    <message>
        <source>рад/с</source>
        <translation>rad/s</translation>
    </message>
    <message>
        <source>замыкание ключа</source>
        <translation>switch closing</translation>
    </message>
    <message>
        <source>мс</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Ом</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>мкГн</source>
        <translation>µH</translation>
    </message>
    <message>
        <source>мкФ</source>
        <translation>µF</translation>
    </message>
    <message>
        <source>задано</source>
        <translation>given</translation>
    </message>
    <message>
        <source>А</source>
        <translation>A</translation>
    </message>
    <message>
        <source>В</source>
        <translation>V</translation>
    </message>
    <message>
        <source>амплитуда</source>
        <translation>amplitude</translation>
    </message>
    <message>
        <source>смещение</source>
        <translation>offset</translation>
    </message>
    <message>
        <source>Остаток (СКО):</source>
        <translation>Residual (RMS):</translation>
    </message>
    <message>
        <source> на </source>
        <translation> over </translation>
    </message>
    <message>
        <source> точках;</source>
        <translation> points;</translation>
    </message>
    <message>
        <source> итераций: </source>
        <translation> iterations: </translation>
    </message>
</context>
<context>
    <name>FormWidgets</name>
    <message>
        <source>%1: %2 из %3</source>
        <translation>%1: %2 of %3</translation>
    </message>
</context>
<context>
    <name>GraphArea</name>
    <message>
        <source>Графики</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Резонансная кривая</source>
        <translation>Resonance curve</translation>
    </message>
    <message>
        <source>Векторная диаграмма</source>
        <translation>Phasor diagram</translation>
    </message>
    <message>
        <source>Перетащите, чтобы дать графикам больше или меньше места</source>
        <translation>Drag to give the graphs more or less room</translation>
    </message>
</context>
<context>
    <name>GraphExport</name>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл «%1»: %2</source>
        <translation>Could not save the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>у имени «%1» нет расширения: рисунок сохраняется в файл .png, .svg или .pdf</source>
        <translation>the name &quot;%1&quot; has no extension: a picture is saved as a .png, .svg or .pdf file</translation>
    </message>
    <message>
        <source>расширение «.%1» у «%2» не подходит: рисунок сохраняется в файл .png, .svg или .pdf</source>
        <translation>the extension &quot;.%1&quot; of &quot;%2&quot; does not fit: a picture is saved as a .png, .svg or .pdf file</translation>
    </message>
    <message>
        <source>рисунок %1 мал: заголовок не помещается в %2 строки ни при какой ширине</source>
        <translation>the picture %1 is too small: the title does not fit in %2 lines at any width</translation>
    </message>
    <message>
        <source>рисунок %1 мал: при ширине %2 заголовку и графику нужна высота не меньше %3</source>
        <translation>the picture %1 is too small: at the width %2 the title and the graph need a height of at least %3</translation>
    </message>
    <message>
        <source>рисунок %1 мал: заголовку и графику нужно не меньше %2</source>
        <translation>the picture %1 is too small: the title and the graph need at least %2</translation>
    </message>
    <message>
        <source>Рисунок PNG 1600×900 (*.png)</source>
        <translation>PNG picture 1600×900 (*.png)</translation>
    </message>
    <message>
        <source>Рисунок PNG 1920×1080 (*.png)</source>
        <translation>PNG picture 1920×1080 (*.png)</translation>
    </message>
    <message>
        <source>Рисунок PNG 3840×2160 (*.png)</source>
        <translation>PNG picture 3840×2160 (*.png)</translation>
    </message>
    <message>
        <source>Векторный рисунок SVG (*.svg)</source>
        <translation>SVG vector picture (*.svg)</translation>
    </message>
    <message>
        <source>Документ PDF, лист A4 (*.pdf)</source>
        <translation>PDF document, A4 sheet (*.pdf)</translation>
    </message>
    <message>
        <source>Сохранить график</source>
        <translation>Save graph</translation>
    </message>
    <message>
        <source>Рисунок не сохранён: </source>
        <translation>The picture was not saved: </translation>
    </message>
    <message>
        <source>Сохранить результаты</source>
        <translation>Save results</translation>
    </message>
    <message>
        <source>CSV: запятая, десятичная точка (*.csv)</source>
        <translation>CSV: comma, decimal point (*.csv)</translation>
    </message>
    <message>
        <source>CSV для русской таблицы: точка с запятой, десятичная запятая (*.csv)</source>
        <translation>CSV for a Russian spreadsheet: semicolon, decimal comma (*.csv)</translation>
    </message>
</context>
<context>
    <name>GraphWindows</name>
    <message>
        <source>Графики</source>
        <translation>Graphs</translation>
    </message>
</context>
<context>
    <name>Graphs</name>
    <message>
        <source>εL(t) — ЭДС самоиндукции катушки</source>
        <translation>εL(t) — self-induction EMF of the coil</translation>
    </message>
    <message>
        <source>Uc(t) — напряжение на конденсаторе</source>
        <translation>Uc(t) — capacitor voltage</translation>
    </message>
    <message>
        <source>Ur(t) — напряжение на резисторе</source>
        <translation>Ur(t) — resistor voltage</translation>
    </message>
    <message>
        <source>I(t) — сила тока</source>
        <translation>I(t) — current</translation>
    </message>
    <message>
        <source>Напряжения и ток</source>
        <translation>Voltages and current</translation>
    </message>
    <message>
        <source>W(t) — теплота в резисторе</source>
        <translation>W(t) — heat in the resistor</translation>
    </message>
    <message>
        <source>W(t) — энергия магнитного поля катушки</source>
        <translation>W(t) — magnetic field energy of the coil</translation>
    </message>
    <message>
        <source>W(t) — энергия конденсатора</source>
        <translation>W(t) — energy of the capacitor</translation>
    </message>
    <message>
        <source>W(t) — энергия конденсатора и катушки</source>
        <translation>W(t) — energy of the capacitor and the coil</translation>
    </message>
    <message>
        <source>Зависимость ЭДС самоиндукции в катушке от времени</source>
        <translation>Self-induction EMF of the coil versus time</translation>
    </message>
    <message>
        <source>Зависимость напряжения на конденсаторе от времени</source>
        <translation>Capacitor voltage versus time</translation>
    </message>
    <message>
        <source>Зависимость напряжения на резисторе от времени</source>
        <translation>Resistor voltage versus time</translation>
    </message>
    <message>
        <source>Зависимость силы тока от времени</source>
        <translation>Current versus time</translation>
    </message>
    <message>
        <source>Убрать &amp;метки</source>
        <translation>Remove &amp;markers</translation>
    </message>
    <message>
        <source>Показать &amp;всё время</source>
        <translation>Show the &amp;whole time</translation>
    </message>
    <message>
        <source>&amp;Следовать за расчётом</source>
        <translation>&amp;Follow the calculation</translation>
    </message>
    <message>
        <source>&amp;Физические единицы</source>
        <translation>P&amp;hysical units</translation>
    </message>
    <message>
        <source>&amp;Огибающая ±A·e^(−δt)</source>
        <translation>&amp;Envelope ±A·e^(−δt)</translation>
    </message>
    <message>
        <source>&amp;Энергии конденсатора и катушки</source>
        <translation>Capacitor and coil e&amp;nergies</translation>
    </message>
    <message>
        <source>&amp;Копировать изображение</source>
        <translation>&amp;Copy image</translation>
    </message>
    <message>
        <source>Сохранить &amp;график…</source>
        <translation>Save &amp;graph…</translation>
    </message>
    <message>
        <source>Сохранить &amp;данные…</source>
        <translation>Save &amp;data…</translation>
    </message>
    <message>
        <source>&amp;Печать…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Резонансная кривая</source>
        <translation>Resonance curve</translation>
    </message>
    <message>
        <source>&amp;Логарифмическая шкала частот</source>
        <translation>&amp;Logarithmic frequency scale</translation>
    </message>
    <message>
        <source>Графики</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Векторная диаграмма</source>
        <translation>Phasor diagram</translation>
    </message>
    <message>
        <source>Резонансная кривая.</source>
        <translation>Resonance curve.</translation>
    </message>
    <message>
        <source>резонанс.csv</source>
        <translation>resonance.csv</translation>
    </message>
    <message>
        <source>Векторная диаграмма.</source>
        <translation>Phasor diagram.</translation>
    </message>
    <message>
        <source> (на панели </source>
        <translation> (panel: </translation>
    </message>
    <message>
        <source> c</source>
        <translation> s</translation>
    </message>
    <message>
        <source>те же значения</source>
        <translation>same values</translation>
    </message>
    <message>
        <source>EL/UL_norm,   </source>
        <translation>EL/UL_norm,   </translation>
    </message>
    <message>
        <source> B</source>
        <translation> V</translation>
    </message>
    <message>
        <source>Uс/Uc_norm,   </source>
        <translation>Uc/Uc_norm,   </translation>
    </message>
    <message>
        <source>Ur/Ur_norm,   </source>
        <translation>Ur/Ur_norm,   </translation>
    </message>
    <message>
        <source>I/Inorm,     </source>
        <translation>I/Inorm,     </translation>
    </message>
    <message>
        <source> A/c,</source>
        <translation> A/s,</translation>
    </message>
    <message>
        <source> A,</source>
        <translation> A,</translation>
    </message>
    <message>
        <source>W/P_norm   </source>
        <translation>W/P_norm   </translation>
    </message>
    <message>
        <source> Дж/c</source>
        <translation> J/s</translation>
    </message>
    <message>
        <source>W/W_norm   </source>
        <translation>W/W_norm   </translation>
    </message>
    <message>
        <source> Дж/c^2</source>
        <translation> J/s^2</translation>
    </message>
    <message>
        <source> Дж</source>
        <translation> J</translation>
    </message>
    <message>
        <source>изм. </source>
        <translation>meas. </translation>
    </message>
    <message>
        <source>, разность </source>
        <translation>, difference </translation>
    </message>
    <message>
        <source>Масштаб по вертикали</source>
        <translation>Vertical scale</translation>
    </message>
    <message>
        <source>Маркер %1: %2</source>
        <translation>Marker %1: %2</translation>
    </message>
</context>
<context>
    <name>LabReport</name>
    <message>
        <source>индуктивность катушки</source>
        <translation>inductance of the coil</translation>
    </message>
    <message>
        <source>ёмкость конденсатора</source>
        <translation>capacitance of the capacitor</translation>
    </message>
    <message>
        <source>сопротивление резистора</source>
        <translation>resistance of the resistor</translation>
    </message>
    <message>
        <source>начальное напряжение на конденсаторе</source>
        <translation>initial capacitor voltage</translation>
    </message>
    <message>
        <source>амплитуда ЭДС источника</source>
        <translation>amplitude of the source EMF</translation>
    </message>
    <message>
        <source>частота ЭДС источника</source>
        <translation>frequency of the source EMF</translation>
    </message>
    <message>
        <source>длительность расчёта (в характерных временах)</source>
        <translation>duration of the calculation (in characteristic times)</translation>
    </message>
    <message>
        <source>Отчёт: %1</source>
        <translation>Report: %1</translation>
    </message>
    <message>
        <source>Параметры цепи</source>
        <translation>Circuit parameters</translation>
    </message>
    <message>
        <source>Цепь и режим</source>
        <translation>Circuit and regime</translation>
    </message>
    <message>
        <source>Характеристики (как на панели)</source>
        <translation>Characteristics (as on the panel)</translation>
    </message>
    <message>
        <source>Метки: %1</source>
        <translation>Markers: %1</translation>
    </message>
</context>
<context>
    <name>LabReportFiles</name>
    <message>
        <source>Метки: %1</source>
        <translation>Markers: %1</translation>
    </message>
    <message>
        <source>«%1» — файл, а не папка</source>
        <translation>“%1” is a file, not a folder</translation>
    </message>
    <message>
        <source>не удалось создать папку «%1»</source>
        <translation>the folder “%1” could not be created</translation>
    </message>
    <message>
        <source>ru</source>
        <translation>en</translation>
    </message>
    <message>
        <source>Результаты расчёта:</source>
        <translation>Calculation results:</translation>
    </message>
    <message>
        <source>Запомненная кривая: %1</source>
        <translation>Remembered curve: %1</translation>
    </message>
    <message>
        <source>Кривая семейства: %1</source>
        <translation>Family curve: %1</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Язык</source>
        <translation>Lan&amp;guage</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Обзор</source>
        <translation>&amp;Overview</translation>
    </message>
    <message>
        <source>&amp;Контур</source>
        <translation>&amp;Circuit</translation>
    </message>
    <message>
        <source>К&amp;атушка</source>
        <translation>Co&amp;il</translation>
    </message>
    <message>
        <source>Ко&amp;нденсатор</source>
        <translation>C&amp;apacitor</translation>
    </message>
    <message>
        <source>&amp;Резистор</source>
        <translation>&amp;Resistor</translation>
    </message>
    <message>
        <source>Открыть &amp;задачу…</source>
        <translation>Open &amp;task…</translation>
    </message>
    <message>
        <source>&amp;Сохранить задачу…</source>
        <translation>&amp;Save task…</translation>
    </message>
    <message>
        <source>Сохранить р&amp;езультаты…</source>
        <translation>Save res&amp;ults…</translation>
    </message>
    <message>
        <source>Сохранить для о&amp;тчёта…</source>
        <translation>Save for re&amp;port…</translation>
    </message>
    <message>
        <source>Рабочий &amp;лист по задаче…</source>
        <translation>&amp;Worksheet from task…</translation>
    </message>
    <message>
        <source>Открыть &amp;измерения…</source>
        <translation>Open &amp;measurements…</translation>
    </message>
    <message>
        <source>Совместить с клю&amp;чом</source>
        <translation>A&amp;lign with switch</translation>
    </message>
    <message>
        <source>Закрыть из&amp;мерения</source>
        <translation>Close measureme&amp;nts</translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Прав&amp;ка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Отменить</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Повторить</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Пр&amp;имеры</source>
        <translation>E&amp;xamples</translation>
    </message>
    <message>
        <source>&amp;Расчёт</source>
        <translation>&amp;Calculation</translation>
    </message>
    <message>
        <source>&amp;Пуск / стоп</source>
        <translation>&amp;Start / stop</translation>
    </message>
    <message>
        <source>&amp;Досчитать до конца</source>
        <translation>&amp;Compute to the end</translation>
    </message>
    <message>
        <source>&amp;Семейство кривых…</source>
        <translation>&amp;Family of curves…</translation>
    </message>
    <message>
        <source>&amp;Убрать семейство</source>
        <translation>&amp;Remove family</translation>
    </message>
    <message>
        <source>Подобрать параметры к &amp;измерениям</source>
        <translation>Fit parameters to &amp;measurements</translation>
    </message>
    <message>
        <source>&amp;Графики</source>
        <translation>&amp;Graphs</translation>
    </message>
    <message>
        <source>&amp;Напряжения и ток</source>
        <translation>&amp;Voltages and current</translation>
    </message>
    <message>
        <source>&amp;Резонансная кривая</source>
        <translation>&amp;Resonance curve</translation>
    </message>
    <message>
        <source>Векторная &amp;диаграмма</source>
        <translation>&amp;Phasor diagram</translation>
    </message>
    <message>
        <source>Запомнить &amp;кривые</source>
        <translation>Remember &amp;curves</translation>
    </message>
    <message>
        <source>&amp;Забыть кривые</source>
        <translation>&amp;Forget curves</translation>
    </message>
    <message>
        <source>&amp;Вся кривая сразу (бледная)</source>
        <translation>&amp;Whole curve at once (pale)</translation>
    </message>
    <message>
        <source>&amp;Оси в физических единицах</source>
        <translation>&amp;Axes in physical units</translation>
    </message>
    <message>
        <source>Все &amp;графики в одном окне</source>
        <translation>All &amp;graphs in one window</translation>
    </message>
    <message>
        <source>&amp;Упорядочить графики</source>
        <translation>Arra&amp;nge graphs</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Всё в одном окне</source>
        <translation>&amp;All in one window</translation>
    </message>
    <message>
        <source>Схема, параметры, характеристики и графики в одном окне, по размеру экрана; иначе — графики в отдельных окнах</source>
        <translation>The circuit, the parameters, the characteristics and the graphs in one window the size of the screen; otherwise the graphs in separate windows</translation>
    </message>
    <message>
        <source>&amp;Крупнее</source>
        <translation>&amp;Larger</translation>
    </message>
    <message>
        <source>&amp;Мельче</source>
        <translation>&amp;Smaller</translation>
    </message>
    <message>
        <source>&amp;Обычный размер</source>
        <translation>&amp;Normal size</translation>
    </message>
    <message>
        <source>&amp;Помощь</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Инструкция</source>
        <translation>&amp;Quick start</translation>
    </message>
    <message>
        <source>&amp;Управление</source>
        <translation>&amp;Controls</translation>
    </message>
    <message>
        <source>&amp;Авторы</source>
        <translation>&amp;Authors</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>A&amp;bout</translation>
    </message>
    <message>
        <source>&amp;Регистрация</source>
        <translation>&amp;Registration</translation>
    </message>
    <message>
        <source>О&amp;формление</source>
        <translation>Loo&amp;k</translation>
    </message>
    <message>
        <source>&amp;Светлое</source>
        <translation>&amp;Light</translation>
    </message>
    <message>
        <source>&amp;Контрастное для проектора</source>
        <translation>High &amp;contrast for a projector</translation>
    </message>
    <message>
        <source>&amp;Тёмное</source>
        <translation>&amp;Dark</translation>
    </message>
    <message>
        <source>&amp;Рисунки и печать в этом оформлении</source>
        <translation>&amp;Pictures and printing in this look</translation>
    </message>
    <message>
        <source>О</source>
        <translation>O</translation>
    </message>
    <message>
        <source>К</source>
        <translation>K</translation>
    </message>
    <message>
        <source>И</source>
        <translation>I</translation>
    </message>
    <message>
        <source>У</source>
        <translation>C</translation>
    </message>
    <message>
        <source>А</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Р</source>
        <translation>R</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Запуск (остановка) установки</source>
        <translation>Start (stop) the setup</translation>
    </message>
    <message>
        <source>Замедление движения частиц</source>
        <translation>Slowing down of the particles</translation>
    </message>
    <message>
        <source>Ускорение расчёта</source>
        <translation>Speeding up of the calculation</translation>
    </message>
</context>
<context>
    <name>MeasuredActions</name>
    <message>
        <source>Измерения (*.csv *.txt *.tsv *.dat)</source>
        <translation>Measurements (*.csv *.txt *.tsv *.dat)</translation>
    </message>
    <message>
        <source>» не открыты: </source>
        <translation>» were not opened: </translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Ничего не изменилось.</source>
        <translation>Nothing has changed.</translation>
    </message>
    <message>
        <source>Открыть измерения</source>
        <translation>Open measurements</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Измерения из файла</source>
        <translation>The measurements from the file</translation>
    </message>
    <message>
        <source>Измерения</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>Сначала откройте измерения: «Файл → Открыть измерения…».</source>
        <translation>Open measurements first: &quot;File → Open measurements…&quot;.</translation>
    </message>
    <message>
        <source>Значения не уходят от начального уровня: момент замыкания ключа не найден. Ничего не изменилось.</source>
        <translation>The values do not leave the initial level: the moment the switch closes was not found. Nothing has changed.</translation>
    </message>
    <message>
        <source>Подобранные значения не приняты: </source>
        <translation>The fitted values were not accepted: </translation>
    </message>
    <message>
        <source>подобранные значения</source>
        <translation>fitted values</translation>
    </message>
</context>
<context>
    <name>MeasuredChoices</name>
    <message>
        <source>%1 — номера отсчётов</source>
        <translation>%1 — sample numbers</translation>
    </message>
    <message>
        <source>нет: начало и шаг по времени</source>
        <translation>none: start and time step</translation>
    </message>
</context>
<context>
    <name>MeasuredData</name>
    <message>
        <source>Столбец %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>строка %1, столбец %2: </source>
        <translation>line %1, column %2: </translation>
    </message>
    <message>
        <source>это не текстовый файл: его нельзя прочитать ни как UTF-8, ни как Windows-1251, ни как UTF-16 с меткой порядка байтов</source>
        <translation>this is not a text file: it cannot be read as UTF-8, as Windows-1251 or as UTF-16 with a byte-order mark</translation>
    </message>
    <message>
        <source>это не текстовый файл: в нём есть нулевые байты</source>
        <translation>this is not a text file: it contains null bytes</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>файл слишком велик: измерения занимают не больше %1 МиБ</source>
        <translation>the file is too large: measurements take at most %1 MiB</translation>
    </message>
    <message>
        <source>в файле нет строк с числами</source>
        <translation>the file has no lines with numbers</translation>
    </message>
    <message>
        <source>в файле нет строк, которые читались бы как числа, разделённые запятой, точкой с запятой, табуляцией или пробелами</source>
        <translation>the file has no lines that read as numbers separated by commas, semicolons, tabs or blanks</translation>
    </message>
    <message>
        <source>в конце файла нет столбцов с числами (%1)</source>
        <translation>the end of the file has no columns of numbers (%1)</translation>
    </message>
    <message>
        <source>в файле нет строки с числами во всех столбцах данных, за которой шли бы ещё две строки с числами</source>
        <translation>the file has no line with numbers in every data column followed by two more lines with numbers</translation>
    </message>
    <message>
        <source>единица времени не указана: считаются секунды</source>
        <translation>the time unit is not given: seconds are assumed</translation>
    </message>
    <message>
        <source>шаг по времени в файле не указан: задайте его</source>
        <translation>the file does not give the time step: enter it</translation>
    </message>
    <message>
        <source>в файле нет столбца значений: все столбцы с числами — время или номера отсчётов</source>
        <translation>the file has no column of values: all columns of numbers are times or sample numbers</translation>
    </message>
    <message>
        <source>единица значений не указана: считаются амперы</source>
        <translation>the unit of the values is not given: amperes are assumed</translation>
    </message>
    <message>
        <source>единица значений не указана: считаются вольты</source>
        <translation>the unit of the values is not given: volts are assumed</translation>
    </message>
    <message>
        <source>время и значения взяты из одного столбца</source>
        <translation>times and values are taken from the same column</translation>
    </message>
    <message>
        <source>не задан шаг по времени: он должен быть больше нуля</source>
        <translation>no time step is given: it must be greater than zero</translation>
    </message>
    <message>
        <source>единицы и сдвиг времени должны быть конечными числами, а единицы — больше нуля</source>
        <translation>the units and the time shift must be finite numbers, and the units greater than zero</translation>
    </message>
    <message>
        <source>строка %1: в файле больше %2 строк данных</source>
        <translation>line %1: the file has more than %2 lines of data</translation>
    </message>
    <message>
        <source>нет значения</source>
        <translation>no value</translation>
    </message>
    <message>
        <source>%1 — не число</source>
        <translation>%1 is not a number</translation>
    </message>
    <message>
        <source>время вне пределов чисел double</source>
        <translation>the time is beyond the range of double numbers</translation>
    </message>
    <message>
        <source>значение вне пределов чисел double</source>
        <translation>the value is beyond the range of double numbers</translation>
    </message>
    <message>
        <source>время %1 меньше, чем в строке выше (%2)</source>
        <translation>the time %1 is less than in the line above (%2)</translation>
    </message>
    <message>
        <source>в файле нет строк с данными</source>
        <translation>the file has no lines of data</translation>
    </message>
</context>
<context>
    <name>MeasuredPreview</name>
    <message>
        <source>Совместить с ключом</source>
        <translation>Align with switch</translation>
    </message>
    <message>
        <source>Открыть измерения — </source>
        <translation>Open measurements — </translation>
    </message>
    <message>
        <source>Кодировка %1; %2; строк данных: %3.</source>
        <translation>Encoding %1; %2; data lines: %3.</translation>
    </message>
    <message>
        <source>Время:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Значения:</source>
        <translation>Values:</translation>
    </message>
    <message>
        <source>Что измерено:</source>
        <translation>What was measured:</translation>
    </message>
    <message>
        <source>Единица значений:</source>
        <translation>Unit of values:</translation>
    </message>
    <message>
        <source>Момент замыкания ключа по часам файла (точка запуска): он станет t = 0</source>
        <translation>The moment the switch closes by the file&apos;s clock (the trigger point): it becomes t = 0</translation>
    </message>
    <message>
        <source>Ключ замыкается там, где значения впервые уходят от начального уровня</source>
        <translation>The switch closes where the values first leave the initial level</translation>
    </message>
    <message>
        <source>Замыкание ключа, мс:</source>
        <translation>Switch closing, ms:</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Момент замыкания ключа — одно число в миллисекундах, например 0 или -2,5.</source>
        <translation>The moment the switch closes is one number in milliseconds, for example 0 or -2.5.</translation>
    </message>
    <message>
        <source>Значения не уходят от начального уровня: момент замыкания ключа не найден.</source>
        <translation>The values do not leave the initial level: the moment the switch closes was not found.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>А откуда ток возьмется?!</source>
        <translation>And where would the current come from?!</translation>
    </message>
    <message>
        <source>А изучать-то что будете?!</source>
        <translation>And what are you going to study?!</translation>
    </message>
    <message>
        <source>Это короткое замыкание!</source>
        <translation>This is a short circuit!</translation>
    </message>
    <message>
        <source>Напряжение скачком меняется от Uo до - Em в начальный момент времени. Потом постоянно. Ток в начальный момент времени бесконечен, а потом равен 0</source>
        <translation>The voltage jumps from Uo to - Em at the initial moment. Then it is constant. The current is infinite at the initial moment and then equals 0</translation>
    </message>
    <message>
        <source>Мгновенная разрядка конденсатора бесконечным током!</source>
        <translation>Instantaneous discharge of the capacitor by an infinite current!</translation>
    </message>
    <message>
        <source>Слишком много точек расчёта (</source>
        <translation>Too many calculation points (</translation>
    </message>
    <message>
        <source>)! При этих значениях </source>
        <translation>)! With these values </translation>
    </message>
    <message>
        <source> не больше </source>
        <translation> is at most </translation>
    </message>
    <message>
        <source>. Значение не принято.</source>
        <translation>. Value not accepted.</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Расчёт с такими значениями невозможен! Значение не принято.</source>
        <translation>Calculation with these values is impossible! Value not accepted.</translation>
    </message>
    <message>
        <source>не может быть отрицательным! Не вводите заново, а исправьте!</source>
        <translation>cannot be negative! Do not retype it, correct it!</translation>
    </message>
    <message>
        <source>не может быть! Не вводите заново, а исправьте!</source>
        <translation>is impossible! Do not retype it, correct it!</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>слишком мало: в расчёте оно стало бы нулём! Значение не принято.</source>
        <translation>too small: it would become zero in the calculation! Value not accepted.</translation>
    </message>
    <message>
        <source>Поле </source>
        <translation>Field </translation>
    </message>
    <message>
        <source>поле </source>
        <translation>field </translation>
    </message>
    <message>
        <source>исправлено на</source>
        <translation>corrected to</translation>
    </message>
    <message>
        <source>оставлено</source>
        <translation>kept at</translation>
    </message>
    <message>
        <source>в расчёте</source>
        <translation>in the calculation:</translation>
    </message>
</context>
<context>
    <name>PagedDocument</name>
    <message>
        <source>%1 из %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>рад/c</source>
        <translation>rad/s</translation>
    </message>
    <message>
        <source> c</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Пост. ток Tv-&gt;oo</source>
        <translation>DC Tv-&gt;oo</translation>
    </message>
    <message>
        <source> 1/c</source>
        <translation> 1/s</translation>
    </message>
    <message>
        <source>Характерная частота</source>
        <translation>Characteristic frequency</translation>
    </message>
    <message>
        <source>Характерное время</source>
        <translation>Characteristic time</translation>
    </message>
    <message>
        <source>Время релаксации</source>
        <translation>Relaxation time</translation>
    </message>
    <message>
        <source>Отношение декремента затухания к характерной частоте</source>
        <translation>Ratio of the damping coefficient to the characteristic frequency</translation>
    </message>
    <message>
        <source>Отношение частоты тока источника ЭДС к характерной частоте</source>
        <translation>Ratio of the EMF source frequency to the characteristic frequency</translation>
    </message>
    <message>
        <source>Tо=</source>
        <translation>To=</translation>
    </message>
    <message>
        <source> Ом</source>
        <translation> Ω</translation>
    </message>
    <message>
        <source> Кл</source>
        <translation> C</translation>
    </message>
    <message>
        <source> Гц</source>
        <translation> Hz</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Собственная циклическая частота контура</source>
        <translation>Natural angular frequency of the circuit</translation>
    </message>
    <message>
        <source>Период собственных колебаний в контуре</source>
        <translation>Period of the natural oscillations of the circuit</translation>
    </message>
    <message>
        <source>Период колебаний в контуре (i -мнимый)</source>
        <translation>Period of the oscillations in the circuit (i: imaginary)</translation>
    </message>
    <message>
        <source>Безразмерный декремент затухания</source>
        <translation>Dimensionless damping decrement</translation>
    </message>
    <message>
        <source>Отношение частоты тока источника ЭДС к собственной частоте</source>
        <translation>Ratio of the EMF source frequency to the natural frequency</translation>
    </message>
    <message>
        <source>Зависимость количества теплоты, выделяющегося на резисторе, от времени</source>
        <translation>Heat released in the resistor versus time</translation>
    </message>
    <message>
        <source>Зависимость энергии магнитного поля в катушке от времени</source>
        <translation>Magnetic field energy of the coil versus time</translation>
    </message>
    <message>
        <source>Зависимость энергии конденсатора от времени</source>
        <translation>Capacitor energy versus time</translation>
    </message>
    <message>
        <source>Зависимость энергии конденсатора и катушки от времени</source>
        <translation>Capacitor and coil energy versus time</translation>
    </message>
    <message>
        <source>Цепь R: резистор и источник</source>
        <translation>R circuit: resistor and source</translation>
    </message>
    <message>
        <source>Цепь L: катушка и постоянная ЭДС</source>
        <translation>L circuit: coil and constant EMF</translation>
    </message>
    <message>
        <source>Цепь C: конденсатор и переменная ЭДС</source>
        <translation>C circuit: capacitor and alternating EMF</translation>
    </message>
    <message>
        <source>Цепь RC: резистор и конденсатор</source>
        <translation>RC circuit: resistor and capacitor</translation>
    </message>
    <message>
        <source>Цепь RL: резистор и катушка</source>
        <translation>RL circuit: resistor and coil</translation>
    </message>
    <message>
        <source>Контур RLC: колебательный режим (затухающие колебания)</source>
        <translation>RLC circuit: underdamped regime (damped oscillations)</translation>
    </message>
    <message>
        <source>Контур RLC: критический режим</source>
        <translation>RLC circuit: critically damped regime</translation>
    </message>
    <message>
        <source>Контур RLC: апериодический режим</source>
        <translation>RLC circuit: overdamped regime</translation>
    </message>
    <message>
        <source>Контур LC: незатухающие колебания</source>
        <translation>LC circuit: undamped oscillations</translation>
    </message>
    <message>
        <source>Контур LC: незатухающие и вынужденные колебания</source>
        <translation>LC circuit: undamped and forced oscillations</translation>
    </message>
    <message>
        <source>Контур LC: резонанс без потерь, амплитуда растёт</source>
        <translation>LC circuit: lossless resonance, amplitude growing</translation>
    </message>
</context>
<context>
    <name>ParameterPanel</name>
    <message>
        <source>Параметры задачи</source>
        <translation>Task parameters</translation>
    </message>
    <message>
        <source>
Значение не принято: </source>
        <translation>
Value not accepted: </translation>
    </message>
</context>
<context>
    <name>PdfDocument</name>
    <message>
        <source>не удалось нарисовать страницы</source>
        <translation>the pages could not be drawn</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Без катушки и конденсатора ток не зависит от частоты: Im = ε/R</source>
        <translation>Without a coil and a capacitor the current does not depend on the frequency: Im = ε/R</translation>
    </message>
    <message>
        <source>Нет источника (ε = 0): вынужденных колебаний нет</source>
        <translation>No source (ε = 0): no forced oscillations</translation>
    </message>
    <message>
        <source>Источник постоянный (ν = 0): установившегося синусоидального режима нет</source>
        <translation>Constant source (ν = 0): no sinusoidal steady state</translation>
    </message>
    <message>
        <source>R = 0 на резонансной частоте: ток не ограничен</source>
        <translation>R = 0 at the resonance frequency: the current is unbounded</translation>
    </message>
    <message>
        <source>источник постоянный (ν = 0)</source>
        <translation>constant source (ν = 0)</translation>
    </message>
    <message>
        <source>R = 0: ток при ν₀ не ограничен, пик на графике обрезан</source>
        <translation>R = 0: the current at ν₀ is unbounded, the peak is clipped</translation>
    </message>
    <message>
        <source>Полоса пропускания (Im ≥ Im,max/√2): </source>
        <translation>Bandwidth (Im ≥ Im,max/√2): </translation>
    </message>
    <message>
        <source> (ЭДС опережает ток: цепь индуктивная)</source>
        <translation> (the EMF leads the current: inductive circuit)</translation>
    </message>
    <message>
        <source> (ток опережает ЭДС: цепь ёмкостная)</source>
        <translation> (the current leads the EMF: capacitive circuit)</translation>
    </message>
    <message>
        <source> (ток в фазе с ЭДС: резонанс)</source>
        <translation> (the current is in phase with the EMF: resonance)</translation>
    </message>
</context>
<context>
    <name>Plot</name>
    <message>
        <source>время от %1 до %2</source>
        <translation>time from %1 to %2</translation>
    </message>
    <message>
        <source>относительные значения от %1 до %2</source>
        <translation>relative values from %1 to %2</translation>
    </message>
    <message>
        <source>значения от %1 до %2</source>
        <translation>values from %1 to %2</translation>
    </message>
    <message>
        <source>маркеры: %1</source>
        <translation>markers: %1</translation>
    </message>
</context>
<context>
    <name>ReportActions</name>
    <message>
        <source>Сохранить для отчёта</source>
        <translation>Save for report</translation>
    </message>
    <message>
        <source>Рабочий лист по задаче</source>
        <translation>Worksheet from task</translation>
    </message>
    <message>
        <source>Документ PDF, листы A4 (*.pdf)</source>
        <translation>PDF document, A4 sheets (*.pdf)</translation>
    </message>
    <message>
        <source>Папка: таблицы, рисунки SVG и результаты CSV (*)</source>
        <translation>Folder: tables, SVG pictures and CSV results (*)</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Не удалось сохранить для отчёта «</source>
        <translation>Could not save for the report «</translation>
    </message>
    <message>
        <source>Задачи Ovrelan (*.ovrelan)</source>
        <translation>Ovrelan tasks (*.ovrelan)</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Сохранить рабочий лист</source>
        <translation>Save worksheet</translation>
    </message>
    <message>
        <source>Рабочий лист не сделан: </source>
        <translation>The worksheet was not made: </translation>
    </message>
    <message>
        <source>Рабочий лист: «</source>
        <translation>Worksheet: «</translation>
    </message>
    <message>
        <source>»
Ответы: «</source>
        <translation>»
Answers: «</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>задача «%1» не прочитана: %2</source>
        <translation>task “%1” not read: %2</translation>
    </message>
    <message>
        <source>задача «%1» не открыта: %2</source>
        <translation>task “%1” not opened: %2</translation>
    </message>
    <message>
        <source>отчёт «%1» не сохранён: %2</source>
        <translation>report “%1” not saved: %2</translation>
    </message>
    <message>
        <source>задача «%1»: %2</source>
        <translation>task “%1”: %2</translation>
    </message>
    <message>
        <source>рабочий лист «%1» не сохранён: %2</source>
        <translation>worksheet “%1” not saved: %2</translation>
    </message>
    <message>
        <source>ответы «%1» не сохранены: %2</source>
        <translation>answers “%1” not saved: %2</translation>
    </message>
</context>
<context>
    <name>RunController</name>
    <message>
        <source>ПУСК</source>
        <translation>START</translation>
    </message>
    <message>
        <source>СТОП</source>
        <translation>STOP</translation>
    </message>
</context>
<context>
    <name>RunProgress</name>
    <message>
        <source>%1 с</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 мин %2 с</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 ч %2 мин</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Расчёт: %1 % — осталось около %2</source>
        <translation>Calculating: %1 % — about %2 left</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>ключ замкнут</source>
        <translation>key closed</translation>
    </message>
    <message>
        <source>ключ разомкнут</source>
        <translation>key open</translation>
    </message>
    <message>
        <source>без конденсатора</source>
        <translation>no capacitor</translation>
    </message>
    <message>
        <source>конденсатор не заряжен</source>
        <translation>capacitor uncharged</translation>
    </message>
    <message>
        <source>конденсатор заряжен до %1</source>
        <translation>capacitor charged to %1</translation>
    </message>
    <message>
        <source>источник постоянной ЭДС %1</source>
        <translation>constant EMF source %1</translation>
    </message>
    <message>
        <source>источник ЭДС %1, %2</source>
        <translation>EMF source %1, %2</translation>
    </message>
</context>
<context>
    <name>SelectionBoxes</name>
    <message>
        <source>Графики</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Поля</source>
        <translation>Fields</translation>
    </message>
    <message>
        <source>Выбор показа графика</source>
        <translation>Choose the graphs to show</translation>
    </message>
    <message>
        <source>Электрическое поле конденсатора</source>
        <translation>Electric field of the capacitor</translation>
    </message>
    <message>
        <source>Магнитное поле катушки</source>
        <translation>Magnetic field of the coil</translation>
    </message>
    <message>
        <source>Выбор показа полей</source>
        <translation>Choose the fields to show</translation>
    </message>
</context>
<context>
    <name>SweepValues</name>
    <message>
        <source>не число</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>у цепи без катушки или конденсатора нет критического сопротивления Rк</source>
        <translation>a circuit without a coil or a capacitor has no critical resistance Rк</translation>
    </message>
    <message>
        <source>у цепи без катушки или конденсатора нет собственной частоты ν₀</source>
        <translation>a circuit without a coil or a capacitor has no natural frequency ν₀</translation>
    </message>
    <message>
        <source>значений %1, а кривых в семействе не больше %2</source>
        <translation>%1 values, but a family has at most %2 curves</translation>
    </message>
    <message>
        <source>после диапазона нужно число значений: «ОТ..ДО:N»</source>
        <translation>a range needs the number of values after it: “FROM..TO:N”</translation>
    </message>
    <message>
        <source>после числа значений может стоять только «:log»</source>
        <translation>only “:log” may follow the number of values</translation>
    </message>
    <message>
        <source>число значений диапазона «%1» — не целое число</source>
        <translation>the number of values of the range “%1” is not a whole number</translation>
    </message>
    <message>
        <source>0,5·Rк; Rк; 2·Rк</source>
        <translation>0.5·Rк; Rк; 2·Rк</translation>
    </message>
    <message>
        <source>0,9·ν₀; ν₀; 1,1·ν₀</source>
        <translation>0.9·ν₀; ν₀; 1.1·ν₀</translation>
    </message>
    <message>
        <source>семейство строится по L, C, R, Uo, ε или ν</source>
        <translation>a family is built over L, C, R, Uo, ε or ν</translation>
    </message>
    <message>
        <source>диапазон пишется один, без «;»: «ОТ..ДО:N»</source>
        <translation>a range is written alone, without “;”: “FROM..TO:N”</translation>
    </message>
    <message>
        <source>не задано ни одного значения</source>
        <translation>no value is given</translation>
    </message>
    <message>
        <source>в диапазоне нужно не меньше двух значений</source>
        <translation>a range needs at least two values</translation>
    </message>
    <message>
        <source>начало диапазона «%1»: %2</source>
        <translation>start of the range “%1”: %2</translation>
    </message>
    <message>
        <source>конец диапазона «%1»: %2</source>
        <translation>end of the range “%1”: %2</translation>
    </message>
    <message>
        <source>концы диапазона должны быть конечными числами</source>
        <translation>the ends of the range must be finite numbers</translation>
    </message>
    <message>
        <source>в логарифмическом диапазоне оба конца одного знака и не равны нулю</source>
        <translation>in a logarithmic range both ends have the same sign and are not zero</translation>
    </message>
    <message>
        <source>для --sweep нужно ИМЯ=ЗНАЧЕНИЯ, например R=0.5,1.265,3</source>
        <translation>--sweep needs NAME=VALUES, for example R=0.5,1.265,3</translation>
    </message>
    <message>
        <source>в --sweep нет параметра «%1»: семейство строится по L, C, R, Uo, Em или nu</source>
        <translation>--sweep has no parameter “%1”: a family is built over L, C, R, Uo, Em or nu</translation>
    </message>
</context>
<context>
    <name>SystemErrors</name>
    <message>
        <source>нет такого файла или папки</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>нет прав на доступ к файлу или папке</source>
        <translation>no permission to access the file or folder</translation>
    </message>
    <message>
        <source>файловая система доступна только для чтения</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>на диске нет места</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>превышена квота на диске</source>
        <translation>the disk quota is exceeded</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>часть пути — не папка</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>слишком длинное имя файла</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>файл уже существует</source>
        <translation>the file already exists</translation>
    </message>
    <message>
        <source>открыто слишком много файлов</source>
        <translation>too many files are open</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>файл слишком велик</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>файл занят</source>
        <translation>the file is busy</translation>
    </message>
    <message>
        <source>слишком много символических ссылок подряд (ссылка на саму себя?)</source>
        <translation>too many symbolic links in a row (a link to itself?)</translation>
    </message>
    <message>
        <source>нет такого устройства</source>
        <translation>no such device</translation>
    </message>
    <message>
        <source>недопустимое имя или действие для этого файла</source>
        <translation>an invalid name or operation for this file</translation>
    </message>
    <message>
        <source>файл и его папка на разных файловых системах</source>
        <translation>the file and its folder are on different file systems</translation>
    </message>
    <message>
        <source>у файла слишком много ссылок</source>
        <translation>the file has too many links</translation>
    </message>
    <message>
        <source>устройство временно недоступно</source>
        <translation>the device is temporarily unavailable</translation>
    </message>
    <message>
        <source>запись прервана</source>
        <translation>writing was interrupted</translation>
    </message>
    <message>
        <source>запись прервана: текст файла не удалось составить</source>
        <translation>writing was interrupted: the text of the file could not be made</translation>
    </message>
    <message>
        <source>не хватает памяти</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>читающая программа закрыла канал</source>
        <translation>the reading program closed the pipe</translation>
    </message>
    <message>
        <source>файл не допускает перемещения по нему</source>
        <translation>the file does not allow seeking</translation>
    </message>
    <message>
        <source>файл слишком велик для этой системы</source>
        <translation>the file is too large for this system</translation>
    </message>
    <message>
        <source>сетевой файл больше не доступен</source>
        <translation>the network file is no longer available</translation>
    </message>
    <message>
        <source>истекло время ожидания устройства</source>
        <translation>the device timed out</translation>
    </message>
    <message>
        <source>файловая система не поддерживает это действие</source>
        <translation>the file system does not support this operation</translation>
    </message>
    <message>
        <source>папка не пуста</source>
        <translation>the folder is not empty</translation>
    </message>
    <message>
        <source>файл не открыт для записи</source>
        <translation>the file is not open for writing</translation>
    </message>
    <message>
        <source>системная ошибка № %1</source>
        <translation>system error no. %1</translation>
    </message>
</context>
<context>
    <name>TaskActions</name>
    <message>
        <source>Задачи Ovrelan (*.ovrelan)</source>
        <translation>Ovrelan tasks (*.ovrelan)</translation>
    </message>
    <message>
        <source>» не открыта: </source>
        <translation>» was not opened: </translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Ничего не изменилось.</source>
        <translation>Nothing has changed.</translation>
    </message>
    <message>
        <source>Задача из файла</source>
        <translation>The task from the file</translation>
    </message>
    <message>
        <source>Задача</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Открыть задачу</source>
        <translation>Open task</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Сохранить задачу</source>
        <translation>Save task</translation>
    </message>
    <message>
        <source>Комментарий для учащегося (можно оставить пустым):</source>
        <translation>Comment for the student (may be left empty):</translation>
    </message>
    <message>
        <source>Задача не сохранена: </source>
        <translation>The task was not saved: </translation>
    </message>
    <message>
        <source>Комментарий будет предложен снова, когда вы опять выберете «Сохранить задачу».</source>
        <translation>The comment will be offered again when you choose &quot;Save task&quot; again.</translation>
    </message>
    <message>
        <source>задача.ovrelan</source>
        <translation>task.ovrelan</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл «</source>
        <translation>Could not save the file «</translation>
    </message>
</context>
<context>
    <name>TaskFile</name>
    <message>
        <source>строка %1: </source>
        <translation>line %1: </translation>
    </message>
    <message>
        <source>%1 КиБ</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <source>файл слишком велик для задачи: задача занимает не больше %1</source>
        <translation>the file is too large for a task: a task takes at most %1</translation>
    </message>
    <message>
        <source>нет знака «=»</source>
        <translation>no “=” sign</translation>
    </message>
    <message>
        <source>неизвестное имя «%1»</source>
        <translation>unknown name “%1”</translation>
    </message>
    <message>
        <source>«%1» задано дважды</source>
        <translation>“%1” is given twice</translation>
    </message>
    <message>
        <source>«%1» — не число</source>
        <translation>“%1” is not a number</translation>
    </message>
    <message>
        <source>не заданы поля: %1</source>
        <translation>fields not given: %1</translation>
    </message>
    <message>
        <source> (файл прочитан в кодировке Windows-1251)</source>
        <translation> (the file was read in the Windows-1251 encoding)</translation>
    </message>
    <message>
        <source>это не текстовый файл</source>
        <translation>this is not a text file</translation>
    </message>
    <message>
        <source>это не текстовый файл: он начинается меткой порядка байтов UTF-16, но дальше не текст в UTF-16</source>
        <translation>this is not a text file: it starts with a UTF-16 byte-order mark, but what follows is not UTF-16 text</translation>
    </message>
    <message>
        <source>это не текстовый файл: его нельзя прочитать ни как UTF-8, ни как Windows-1251</source>
        <translation>this is not a text file: it cannot be read as UTF-8 or as Windows-1251</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>поле %1: «%2» — не число</source>
        <translation>field %1: “%2” is not a number</translation>
    </message>
    <message>
        <source>в комментарии есть управляющие символы: в задаче сохраняются только текст, табуляции и переводы строк</source>
        <translation>the comment has control characters: a task keeps only text, tabs and line breaks</translation>
    </message>
    <message>
        <source>с этим комментарием файл задачи занял бы %1, а задача занимает не больше %2; сократите комментарий</source>
        <translation>with this comment the task file would take %1, but a task takes at most %2; shorten the comment</translation>
    </message>
    <message>
        <source>комментарий — не текст в кодировке UTF-8</source>
        <translation>the comment is not UTF-8 text</translation>
    </message>
    <message>
        <source>файл задачи не открылся бы: %1</source>
        <translation>the task file would not open: %1</translation>
    </message>
    <message>
        <source>файл задачи открылся бы не с теми же значениями и комментарием</source>
        <translation>the task file would not open with the same values and comment</translation>
    </message>
    <message>
        <source>поле %1: %2</source>
        <translation>field %1: %2</translation>
    </message>
</context>
<context>
    <name>TaskSheet</name>
    <message>
        <source>после rows нужно имя поля, двоеточие и значения через «;»: rows = R: 1; 2; 4</source>
        <translation>rows needs a field name, a colon and values separated by “;”: rows = R: 1; 2; 4</translation>
    </message>
    <message>
        <source>rows: нет поля «%1»: можно L, C, R, Uo, Em, nu или Nmax</source>
        <translation>rows: no field “%1”: L, C, R, Uo, Em, nu or Nmax may be given</translation>
    </message>
    <message>
        <source>rows: «%1» — не число</source>
        <translation>rows: “%1” is not a number</translation>
    </message>
    <message>
        <source>«title» задано дважды</source>
        <translation>“title” is given twice</translation>
    </message>
    <message>
        <source>«rows» задано дважды</source>
        <translation>“rows” is given twice</translation>
    </message>
    <message>
        <source>measure: «%1» — не величина: после «|» можно regime, T, To, Tv, Tr, delta, Theta, Q, Rk, nu0, Vr, span, amp(Uc), max(I), min(Uc), end(W) или Uc@10 (мс)</source>
        <translation>measure: “%1” is not a quantity: after “|” may stand regime, T, To, Tv, Tr, delta, Theta, Q, Rk, nu0, Vr, span, amp(Uc), max(I), min(Uc), end(W) or Uc@10 (ms)</translation>
    </message>
    <message>
        <source>graph: «%1» — можно Uc, EL, Ur, I, W, UI, res или vec</source>
        <translation>graph: “%1”: Uc, EL, Ur, I, W, UI, res or vec may be given</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Циклическая частота источника ЭДС</source>
        <translation>Angular frequency of the EMF source</translation>
    </message>
    <message>
        <source>Собственная циклическая частота контура</source>
        <translation>Natural angular frequency of the circuit</translation>
    </message>
    <message>
        <source>Циклическая частота колебаний в контуре ( i -мнимая)</source>
        <translation>Angular frequency of the oscillations in the circuit (i: imaginary)</translation>
    </message>
    <message>
        <source>Период колебаний тока источника ЭДС</source>
        <translation>Period of the EMF source current</translation>
    </message>
    <message>
        <source>Период собственных колебаний в контуре</source>
        <translation>Period of the natural oscillations of the circuit</translation>
    </message>
    <message>
        <source>Период колебаний в контуре ( i -мнимый)</source>
        <translation>Period of the oscillations in the circuit (i: imaginary)</translation>
    </message>
    <message>
        <source>Декремент затухания</source>
        <translation>Damping decrement</translation>
    </message>
    <message>
        <source>Логарифмический декремент затухания</source>
        <translation>Logarithmic decrement</translation>
    </message>
    <message>
        <source>Добротность</source>
        <translation>Quality factor</translation>
    </message>
    <message>
        <source>Сопротивление для критического режима</source>
        <translation>Resistance for critical damping</translation>
    </message>
    <message>
        <source>Начальный заряд на конденсаторе</source>
        <translation>Initial charge of the capacitor</translation>
    </message>
    <message>
        <source>Резонансная частота</source>
        <translation>Resonance frequency</translation>
    </message>
    <message>
        <source>Безразмерный декремент затухания</source>
        <translation>Dimensionless damping decrement</translation>
    </message>
    <message>
        <source>Отношение частоты тока источника ЭДС к собственной частоте</source>
        <translation>Ratio of the EMF source frequency to the natural frequency</translation>
    </message>
    <message>
        <source>безразмерная частота колебаний в контуре</source>
        <translation>dimensionless frequency of the oscillations in the circuit</translation>
    </message>
    <message>
        <source>Зависимость ЭДС самоиндукции катушки от времени</source>
        <translation>Self-induction EMF of the coil versus time</translation>
    </message>
    <message>
        <source>Зависимость напряжения на конденсаторе от времени</source>
        <translation>Capacitor voltage versus time</translation>
    </message>
    <message>
        <source>Зависимость напряжения на резисторе от времени</source>
        <translation>Resistor voltage versus time</translation>
    </message>
    <message>
        <source>Зависимость силы тока в цепи от времени</source>
        <translation>Current in the circuit versus time</translation>
    </message>
    <message>
        <source>Зависимость энергии катушки и конденсатора от времени</source>
        <translation>Energy of the coil and the capacitor versus time</translation>
    </message>
    <message>
        <source>учебный тренажёр</source>
        <translation>a teaching simulator</translation>
    </message>
    <message>
        <source>«Переходные процессы в последовательном контуре»</source>
        <translation>&quot;Transients in a series circuit&quot;</translation>
    </message>
    <message>
        <source>Разработка: команда проекта Ovrelan</source>
        <translation>Developed by the Ovrelan project team</translation>
    </message>
    <message>
        <source>Программа написана на C++ с библиотекой Qt 6</source>
        <translation>Written in C++ with the Qt 6 library</translation>
    </message>
    <message>
        <source>Программа моделирует процессы в электрической цепи</source>
        <translation>The program simulates the processes in an electric circuit</translation>
    </message>
    <message>
        <source>с резистором, конденсатором, катушкой индуктивности</source>
        <translation>with a resistor, a capacitor, an inductor coil</translation>
    </message>
    <message>
        <source>и внешним источником постоянной или переменной ЭДС.</source>
        <translation>and an external source of constant or alternating EMF.</translation>
    </message>
    <message>
        <source>Версия %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>История версий:</source>
        <translation>Version history:</translation>
    </message>
    <message>
        <source>0.1 — Ovrelan на C++ и Qt 6: точное решение, характеристики цепи, главное окно.</source>
        <translation>0.1 — Ovrelan in C++ and Qt 6: the exact solution, the circuit characteristics, the main window.</translation>
    </message>
    <message>
        <source>0.2 — графики с осями в физических единицах, масштаб и сдвиг по времени, окно</source>
        <translation>0.2 — graphs with axes in physical units, zoom and pan in time, the window</translation>
    </message>
    <message>
        <source>«Напряжения и ток», рисунки PNG, SVG и PDF для отчёта, крупный шрифт для класса;</source>
        <translation>&quot;Voltages and current&quot;, PNG, SVG and PDF pictures for a report, a large font for the classroom;</translation>
    </message>
    <message>
        <source>проверка введённых значений с подсказкой, задачи в UTF-8 и Windows-1251,</source>
        <translation>checks of the typed values with a hint, tasks in UTF-8 and Windows-1251,</translation>
    </message>
    <message>
        <source>всё с клавиатуры; документы с ответами к задачам и страницы man на русском.</source>
        <translation>everything from the keyboard; documents with answers to the tasks and man pages in Russian.</translation>
    </message>
    <message>
        <source>Ovrelan — свободная учебная программа.</source>
        <translation>Ovrelan is a free teaching program.</translation>
    </message>
    <message>
        <source>Регистрация не требуется.</source>
        <translation>No registration is needed.</translation>
    </message>
    <message>
        <source>Программа не собирает и не передаёт никаких данных.</source>
        <translation>The program collects and sends no data.</translation>
    </message>
    <message>
        <source>На Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Вы абсолютно уверены?</source>
        <translation>Are you absolutely sure?</translation>
    </message>
    <message>
        <source>При работе размер окна изменить нельзя!</source>
        <translation>The window cannot be resized while running!</translation>
    </message>
    <message>
        <source>О ПРОГРАММЕ</source>
        <translation>ABOUT</translation>
    </message>
    <message>
        <source>РЕГИСТРАЦИЯ</source>
        <translation>REGISTRATION</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>В</source>
        <translation>V</translation>
    </message>
    <message>
        <source>А</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Дж</source>
        <translation>J</translation>
    </message>
    <message>
        <source>с</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Гц</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Ом</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>Кл</source>
        <translation>C</translation>
    </message>
    <message>
        <source>а</source>
        <translation>a</translation>
    </message>
    <message>
        <source>ф</source>
        <translation>f</translation>
    </message>
    <message>
        <source>п</source>
        <translation>p</translation>
    </message>
    <message>
        <source>н</source>
        <translation>n</translation>
    </message>
    <message>
        <source>мк</source>
        <translation>µ</translation>
    </message>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>к</source>
        <translation>k</translation>
    </message>
    <message>
        <source>М</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Г</source>
        <translation>G</translation>
    </message>
    <message>
        <source>Т</source>
        <translation>T</translation>
    </message>
    <message>
        <source>П</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Э</source>
        <translation>E</translation>
    </message>
    <message>
        <source>1/с</source>
        <translation>1/s</translation>
    </message>
    <message>
        <source>мкГн</source>
        <translation>µH</translation>
    </message>
    <message>
        <source>мкФ</source>
        <translation>µF</translation>
    </message>
    <message>
        <source>мс</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>мкс</source>
        <translation>µs</translation>
    </message>
    <message>
        <source>нс</source>
        <translation>ns</translation>
    </message>
    <message>
        <source>мВ</source>
        <translation>mV</translation>
    </message>
    <message>
        <source>мкВ</source>
        <translation>µV</translation>
    </message>
    <message>
        <source>кВ</source>
        <translation>kV</translation>
    </message>
    <message>
        <source>мА</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>мкА</source>
        <translation>µA</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Задача</source>
        <translation>Task</translation>
    </message>
</context>
<context>
    <name>WorksheetFiles</name>
    <message>
        <source>Таблица</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Вопросы</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Ответы: %1</source>
        <translation>Answers: %1</translation>
    </message>
    <message>
        <source>Ответы для учителя.</source>
        <translation>Answers for the teacher.</translation>
    </message>
    <message>
        <source>Фамилия, имя: ________________________________ &amp;nbsp; Класс: ________ &amp;nbsp; Дата: ____________</source>
        <translation>Name: ________________________________ &amp;nbsp; Class: ________ &amp;nbsp; Date: ____________</translation>
    </message>
    <message>
        <source>Цепь</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Цель</source>
        <translation>Aim</translation>
    </message>
    <message>
        <source>Что сделать</source>
        <translation>What to do</translation>
    </message>
    <message>
        <source>Значения, которые программа не примет</source>
        <translation>Values the program will not accept</translation>
    </message>
    <message>
        <source>Ответ</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Выводы</source>
        <translation>Conclusions</translation>
    </message>
</context>
</TS>
