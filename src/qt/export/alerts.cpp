#include "qt/export/alerts.hpp"

#include <QMessageBox>

namespace fretwise {

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void QtAlerts::Exclamation(std::string_view text, std::string_view title) {
    QMessageBox box(QMessageBox::Warning, FromView(title), FromView(text), QMessageBox::Ok,
                    parent_);
    box.exec();
}

}  // namespace fretwise
