#include "app/planes/import_planes_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tensorium {
namespace {

constexpr int kPreviewLines = 8;
constexpr size_t kListedBadRows = 10;

}  // namespace

ImportPlanesDialog::ImportPlanesDialog(const QByteArray& bytes, const QString& source, QWidget* parent)
    : QDialog(parent), bytes_(bytes)
{
    setObjectName("ImportPlanesDialog");
    setWindowTitle("Import planes");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString("The first rows of %1:").arg(source)));
    preview_ = new QPlainTextEdit;
    preview_->setObjectName("txtImportPreview");
    preview_->setReadOnly(true);
    preview_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QStringList lines;
    for (const QByteArray& line : bytes_.left(64 * 1024).split('\n').mid(0, kPreviewLines))
        lines << QString::fromUtf8(line).remove('\r');
    preview_->setPlainText(lines.join('\n'));
    preview_->setMaximumHeight(preview_->fontMetrics().height() * (kPreviewLines + 2));
    layout->addWidget(preview_);

    dipDirection_ = new QRadioButton("Without a header: dip &direction, then dip");
    dipDirection_->setObjectName("optDipDirectionDip");
    strike_ = new QRadioButton("Without a header: &strike (dip to its right), then dip");
    strike_->setObjectName("optStrikeDip");
    dipDirection_->setChecked(true);
    connect(strike_, &QRadioButton::toggled, this, [this] { Read(); });
    layout->addWidget(dipDirection_);
    layout->addWidget(strike_);

    summary_ = new QLabel;
    summary_->setObjectName("lblImportSummary");
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(summary_);

    auto* buttons = new QDialogButtonBox;
    import_ = buttons->addButton("&Import", QDialogButtonBox::AcceptRole);
    import_->setObjectName("btnImport");
    importValid_ = buttons->addButton("Import the &valid rows only", QDialogButtonBox::AcceptRole);
    importValid_->setObjectName("btnImportValid");
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(import_, &QPushButton::clicked, this, [this] {
        chosen_ = reading_.planes;
        accept();
    });
    connect(importValid_, &QPushButton::clicked, this, [this] {
        chosen_ = reading_.validPlanes;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    Read();
}

void ImportPlanesDialog::SetStrikeAndDip(bool strike)
{
    (strike ? strike_ : dipDirection_)->setChecked(true);
}

void ImportPlanesDialog::Read()
{
    reading_ = ReadPlaneCsv(
        std::string_view(bytes_.constData(), static_cast<size_t>(bytes_.size())),
        strike_->isChecked() ? HeaderlessColumns::StrikeDip : HeaderlessColumns::DipDirectionDip);
    dipDirection_->setEnabled(!reading_.header);
    strike_->setEnabled(!reading_.header);
    QString text;
    if (!reading_.refusal.empty()) {
        text = QString::fromStdString(reading_.refusal);
    } else if (reading_.badCount == 0) {
        text = QString("%1 planes read%2.")
                   .arg(reading_.planes.size())
                   .arg(reading_.header ? ", the columns named by the header row" : "");
    } else {
        text = QString("%1 rows are bad; %2 planes read from the valid rows.\n")
                   .arg(reading_.badCount)
                   .arg(reading_.validPlanes.size());
        for (size_t k = 0; k < std::min(reading_.bad.size(), kListedBadRows); ++k) {
            const BadPlaneRow& bad = reading_.bad[k];
            const bool aboutField = bad.reason.compare(0, 3, "is ") == 0;
            text += QString("\nLine %1, column %2 holds \"%3\": %4%5")
                        .arg(bad.line)
                        .arg(bad.column)
                        .arg(QString::fromStdString(bad.text), aboutField ? "it " : "the ",
                             QString::fromStdString(bad.reason));
        }
        if (reading_.badCount > static_cast<long>(kListedBadRows)) text += "\n...";
    }
    summary_->setText(text);
    import_->setEnabled(reading_.refusal.empty() && reading_.badCount == 0);
    importValid_->setVisible(reading_.badCount > 0);
    importValid_->setEnabled(!reading_.validPlanes.empty());
}

}  // namespace tensorium
