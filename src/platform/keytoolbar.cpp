#include "keytoolbar.h"
#include <QAction>
#include <QWidget>

namespace platform {

QToolBar* makeKeyToolbar(QWidget* owner, std::initializer_list<ToolKey> keys,
                         const std::function<void(const QString&)>& onClick)
{
    auto* bar = new QToolBar(owner);
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolKey& k : keys) {
        const QString text = QString::fromUtf8(k.text);
        QAction* a = bar->addAction(owner->style()->standardIcon(k.icon), text);
        const QString key = QString::fromLatin1(k.key);
        a->setObjectName(key);
        a->setToolTip(k.tip ? QString::fromUtf8(k.tip) : text);
        QObject::connect(a, &QAction::triggered, owner, [onClick, key] { onClick(key); });
    }
    return bar;
}

QToolBar* makeKeyToolbar(QWidget* owner, const QList<ToolKeyPicture>& keys, Qt::ToolButtonStyle style,
                         const std::function<void(const QString&)>& onClick)
{
    auto* bar = new QToolBar(owner);
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setToolButtonStyle(style);
    bar->setIconSize(QSize(20, 20));
    for (const ToolKeyPicture& k : keys) {
        const QString text = QString::fromUtf8(k.text);
        QAction* a = bar->addAction(k.icon, text);
        const QString key = QString::fromLatin1(k.key);
        a->setObjectName(key);
        a->setToolTip(text);
        QObject::connect(a, &QAction::triggered, owner, [onClick, key] { onClick(key); });
    }
    return bar;
}

} // namespace platform
