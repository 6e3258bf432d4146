#include "qt/ui/file_filter.hpp"

#include <QFileInfo>
#include <QStringList>

namespace fretwise {

QString QtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return filters.join(QStringLiteral(";;"));
}

QString FilterExtension(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2) {
        return {};
    }
    const QString pattern = parts[1].section(QLatin1Char(';'), 0, 0).trimmed();
    if (!pattern.startsWith(QStringLiteral("*.")) || pattern.indexOf(QLatin1Char('*'), 2) >= 0 ||
        pattern.size() < 3) {
        return {};
    }
    return pattern.mid(1);
}

QString WithFilterExtension(const QString& path, const QString& filter) {
    const QString extension = FilterExtension(filter);
    if (path.isEmpty() || extension.isEmpty() || !QFileInfo(path).suffix().isEmpty()) {
        return path;
    }
    return path + extension;
}

}  // namespace fretwise
