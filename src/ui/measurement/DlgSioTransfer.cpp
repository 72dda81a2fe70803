#include "ui/measurement/DlgSioTransfer.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* Field(QWidget* parent, const QString& text, const QString& name, int nChars) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * nChars);
    field->setCursorPosition(0);
    return field;
}

/// A whole frame in hex: up to 52 bytes, wrapped at the blanks so that every byte stays in view.
QPlainTextEdit* HexField(QWidget* parent, const QString& text, const QString& name) {
    auto* field = new QPlainTextEdit(text, parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    field->setWordWrapMode(QTextOption::WordWrap);
    const QFontMetrics metrics(field->font());
    field->setMinimumWidth(metrics.horizontalAdvance(QLatin1Char('0')) * 54);
    field->setFixedHeight(metrics.lineSpacing() * 3 + 2 * field->frameWidth() + 8);
    return field;
}

} // namespace

CDlgSioTransfer::CDlgSioTransfer(const CSioTransferRecord& record, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(record.caption.isEmpty() ? QStringLiteral("SioTransfer") : record.caption);
    setObjectName(QStringLiteral("sioTransfer"));

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("ok"));
    auto* repeat = buttons->addButton(tr("Wiederholen"), QDialogButtonBox::ActionRole);
    repeat->setObjectName(QStringLiteral("wiederholen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgSioTransfer::accept);
    connect(repeat, &QPushButton::clicked, this, [this] { done(kWiederholen); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        Group(tr("Senderichtung: PC -> RX93"), record.sentHex, record.sentText, QStringLiteral("sent")));
    layout->addWidget(Group(tr("Empfangsrichtung:  RX93 -> PC"), record.receivedHex, record.receivedText,
                            QStringLiteral("received")));
    layout->addWidget(buttons);
}

QWidget* CDlgSioTransfer::Group(const QString& title, const QString& hex, const QString& text,
                                const QString& name) {
    auto* group = new QGroupBox(title, this);
    auto* row = new QHBoxLayout(group);
    QPlainTextEdit* hexField = HexField(group, hex, name + QStringLiteral("Hex"));
    QLineEdit* textField = Field(group, text, name + QStringLiteral("Text"), 24);
    // The group's title says the direction; each field is named by it and what it shows.
    const QString direction = title.simplified();
    hexField->setAccessibleName(tr("%1 (hex)").arg(direction));
    textField->setAccessibleName(tr("%1 (Text)").arg(direction));
    row->addWidget(hexField, 3);
    row->addWidget(textField, 2, Qt::AlignTop);
    return group;
}
