#include "ui/options/ManualTab.h"

#include "ui/options/Documents.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velto {

namespace {
// The documents are written for 78 columns; the viewer shows that at once.
constexpr int kColumns = 80;
constexpr int kLines = 18;
constexpr int kScrollRoom = 24;
} // namespace

ManualTab::ManualTab(const QString& programFolder, QWidget* parent)
    : QWidget(parent), programFolder_(programFolder) {
    optView = new QButtonGroup(this);
    auto* buttons = new QHBoxLayout;
    const QStringList captions = {QStringLiteral("Documentation"), QStringLiteral("Readme"),
                                  QStringLiteral("Skins"), QStringLiteral("Credits")};
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(captions.at(i));
        button->setObjectName(QStringLiteral("optView(%1)").arg(i));
        optView->addButton(button, i);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    txtMsg = new QPlainTextEdit;
    txtMsg->setObjectName(QStringLiteral("txtMsg"));
    // Read-only: typing changes nothing, selecting and copying still work.
    txtMsg->setReadOnly(true);
    txtMsg->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The documents are laid out in columns for a fixed-pitch font.
    txtMsg->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtMsg->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFontMetrics metrics(txtMsg->font());
    txtMsg->setMinimumSize(metrics.horizontalAdvance(QString(kColumns, u'0')) + kScrollRoom,
                           metrics.lineSpacing() * kLines);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(txtMsg, 1);

    connect(optView, &QButtonGroup::idClicked, this, [this](int i) { optView_Click(i); });
}

void ManualTab::optView_Click(int i) {
    if (i < 0 || i >= kDocumentFiles.size()) return;
    if (QAbstractButton* button = optView->button(i)) button->setChecked(true);
    ShowDoc(kDocumentFiles.at(i));
}

void ManualTab::ShowDoc(const QString& name) {
    txtMsg->setPlainText(ReadDocument(programFolder_, name));
}

} // namespace velto
