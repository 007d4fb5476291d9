#include "ui/help_window.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/icon.h"

// The resource of a static library is registered by name, outside any
// namespace.
static void RegisterGuide() { Q_INIT_RESOURCE(guide); }

namespace orvik {

QString GuideText() {
    RegisterGuide();
    QFile guide(QStringLiteral(":/guide/Help.txt"));
    if (!guide.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(guide.readAll());
}

HelpWindow::HelpWindow(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Orvik Stroke Editor Help"));
    setWindowIcon(EditorIcon());

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("HelpText"));
    text_->setReadOnly(true);
    // The guide lines up its lists and examples in columns.
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setPlainText(GuideText());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    // Room for the guide's 80 columns and a good part of its lines.
    const QFontMetrics metrics(text_->font());
    resize(metrics.horizontalAdvance(QString(84, 'x')) + 60, metrics.lineSpacing() * 36);
    text_->setFocus();
}

}  // namespace orvik
