#include "qt/desktop/app_locations.hpp"

#include <QCoreApplication>
#include <QStandardPaths>
#include <system_error>

namespace fretwise {
namespace {

std::filesystem::path Path(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

}  // namespace

std::filesystem::path FindDataDir(const std::filesystem::path& exeDir) {
    const std::filesystem::path beside = exeDir / "share" / "fretwise";
    const std::filesystem::path installed = exeDir.parent_path() / "share" / "fretwise";
    std::error_code error;
    if (std::filesystem::is_directory(beside, error)) {
        return beside;
    }
    return installed;
}

AppPaths LocateAppPaths() {
    AppPaths paths;
    paths.executable = Path(QCoreApplication::applicationFilePath());
    paths.dataDir = FindDataDir(Path(QCoreApplication::applicationDirPath()));
    paths.configDir = Path(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    paths.cacheDir = Path(QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    std::error_code error;
    std::filesystem::create_directories(paths.configDir, error);
    std::filesystem::create_directories(paths.cacheDir, error);
    return paths;
}

std::string CommandLineText(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' ')).toStdString();
}

}  // namespace fretwise
