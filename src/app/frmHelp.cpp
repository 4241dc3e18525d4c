#include "frmHelp.h"

#include "app/modStootplanner.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

frmHelp::frmHelp(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Help"));
    setModal(true);
    m_large = modStootplanner::HelpGroot;

    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("Label1"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setMargin(8);
    m_text->setText(QString(modStootplanner::MeldingTekst).replace(QLatin1String("\r\n"), QLatin1String("\n")));

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setWidget(m_text);
    scroll->setFrameShape(QFrame::StyledPanel);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);

    if (m_large) {
        QFont f = m_text->font();
        f.setPointSizeF(f.pointSizeF() * 1.15);
        m_text->setFont(f);
        resize(820, 600);
    } else {
        resize(520, 300);
    }
}
