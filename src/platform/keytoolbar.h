#pragma once
// The toolbar of a child window: buttons found by their key ("But02" ...),
// caption under the icon, every click handed to one handler with the key.
#include <QString>
#include <QIcon>
#include <QList>
#include <QStyle>
#include <QToolBar>
#include <functional>
#include <initializer_list>

namespace platform {

struct ToolKey {
    const char* key;
    const char* text;
    QStyle::StandardPixmap icon;
    const char* tip = nullptr;   // tooltip when it differs from the caption
};

// Builds the toolbar (objectName "Toolbar1") with one action per key; the
// actions carry the key as objectName so tests and handlers find them.
QToolBar* makeKeyToolbar(QWidget* owner, std::initializer_list<ToolKey> keys,
                         const std::function<void(const QString&)>& onClick);

// The same with pictures of the window's own and a button style of its choice.
struct ToolKeyPicture {
    const char* key;
    const char* text;
    QIcon icon;
};
QToolBar* makeKeyToolbar(QWidget* owner, const QList<ToolKeyPicture>& keys, Qt::ToolButtonStyle style,
                         const std::function<void(const QString&)>& onClick);

} // namespace platform
