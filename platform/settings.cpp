#include "platform/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include <algorithm>
#include <cmath>

namespace ovrelan {

bool setting_bool(const QString& key, bool fallback) {
    const QVariant value = QSettings().value(key);
    if (value.typeId() == QMetaType::Bool) {
        return value.toBool();
    }
    const QString text = value.toString().trimmed().toLower();
    if (text == "true" || text == "1") {
        return true;
    }
    if (text == "false" || text == "0") {
        return false;
    }
    return fallback;
}

double setting_choice(const QString& key, std::span<const double> allowed, double fallback) {
    bool ok = false;
    const double value = QSettings().value(key).toString().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return fallback;
    }
    const auto found = std::find_if(allowed.begin(), allowed.end(), [value](double a) {
        return std::fabs(a - value) <= 1e-9 * std::max(1.0, std::fabs(a));
    });
    return found != allowed.end() ? *found : fallback;
}

double setting_in_range(const QString& key, double low, double high, double fallback) {
    bool ok = false;
    const double value = QSettings().value(key).toString().trimmed().toDouble(&ok);
    return ok && value >= low && value <= high ? value : fallback;
}

QString setting_folder(const QString& key, const QString& fallback) {
    const QString folder = QSettings().value(key).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : fallback;
}

QRect setting_rect_on_screen(const QString& key, QSize minimum) {
    const QRect r = QSettings().value(key).toRect();
    if (!r.isValid() || r.width() < minimum.width() || r.height() < minimum.height()) {
        return {};
    }
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect seen = screen->availableGeometry().intersected(r);
        if (seen.width() >= minimum.width() && seen.height() >= minimum.height() &&
            r.width() <= screen->availableGeometry().width() &&
            r.height() <= screen->availableGeometry().height()) {
            return r;
        }
    }
    return {};
}

} // namespace ovrelan
