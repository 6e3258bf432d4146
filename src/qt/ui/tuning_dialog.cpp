#include "qt/ui/tuning_dialog.hpp"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <string>

namespace fretwise {
namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TuningDialog::TuningDialog(const Tuning& current, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("tuningDialog"));
    setWindowTitle(QStringLiteral("Custom tuning"));
    auto* form = new QFormLayout(this);
    form->addRow(new QLabel(QStringLiteral("Notes with their octave, low string first:"), this));
    for (int s = kStringCount - 1; s >= 0; --s) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("string%1Field").arg(s));
        field->setText(
            Q(OpenStrings{current, 0}.OpenStringPitch(s).ScientificName(Accidentals::Sharps)));
        field->setToolTip(
            QStringLiteral("From %1").arg(Q(TuningRangeText(s, Accidentals::Sharps))));
        const std::string label = std::string(StringName(s)) + " string (" +
                                  TuningRangeText(s, Accidentals::Sharps) + "):";
        form->addRow(Q(label), field);
        fields_[static_cast<std::size_t>(s)] = field;
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TuningDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TuningDialog::reject);
    form->addRow(buttons);
}

void TuningDialog::accept() {
    Tuning tuning;
    for (int s = kStringCount - 1; s >= 0; --s) {
        QLineEdit* field = Field(s);
        std::string error;
        const std::optional<std::int16_t> offset =
            OffsetOfString(s, field->text().trimmed().toStdString(), error);
        if (!offset) {
            QMessageBox::warning(this, windowTitle(), Q(error));
            field->setFocus();
            field->selectAll();
            return;
        }
        tuning.offsets[static_cast<std::size_t>(s)] = *offset;
    }
    chosen_ = tuning;
    QDialog::accept();
}

}  // namespace fretwise
