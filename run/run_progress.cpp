#include "run/run_progress.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <cmath>

namespace ovrelan {

std::string remaining_text(double seconds) {
    const long total = std::max(0L, static_cast<long>(std::ceil(seconds)));
    const auto two = [](long n) { return QStringLiteral("%1").arg(n, 2, 10, QChar('0')); };
    const QString text = total < 60 ? QCoreApplication::translate("RunProgress", "%1 с").arg(total)
                         : total < 3600 ? QCoreApplication::translate("RunProgress", "%1 мин %2 с")
                                              .arg(total / 60)
                                              .arg(two(total % 60))
                                        : QCoreApplication::translate("RunProgress", "%1 ч %2 мин")
                                              .arg(total / 3600)
                                              .arg(two(total % 3600 / 60));
    return text.toStdString();
}

std::string run_progress_text(double started, RunMoment since, RunMoment now, int end) {
    const double measured = now.seconds - since.seconds;
    const int played = now.k - since.k;
    if (end <= 0 || measured < 1 || played <= 0) {
        return {};
    }
    const double left = measured / played * std::max(0, end - now.k);
    if (now.seconds - started + left <= progress_after_seconds) {
        return {};
    }
    const int percent = std::clamp(static_cast<int>(100.0 * now.k / end), 0, 100);
    return QCoreApplication::translate("RunProgress", "Расчёт: %1 % — осталось около %2")
        .arg(percent)
        .arg(QString::fromStdString(remaining_text(left)))
        .toStdString();
}

} // namespace ovrelan
