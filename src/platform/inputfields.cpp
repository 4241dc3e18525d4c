#include "inputfields.h"

#include "core/text1252.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QValidator>

namespace platform {

namespace {

// Texts are stored as Windows-1252 bytes; a character without one would come back as '?'.
bool storable(QChar c)
{
    return c == QLatin1Char('?') || core::toCp1252(QString(c)) != "?";
}

class FilterValidator final : public QValidator {
public:
    FilterValidator(KeyFilter f, QObject* parent) : QValidator(parent), m_filter(f) {}
    State validate(QString& input, int& pos) const override
    {
        const QString before = input.left(pos);
        input = filterText(m_filter, input);
        pos = int(filterText(m_filter, before).size());
        return Acceptable;
    }

private:
    KeyFilter m_filter;
};

class FieldBehaviour final : public QObject {
public:
    FieldBehaviour(QLineEdit* field, KeyFilter f) : QObject(field), m_field(field), m_filter(f) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_field)
            return false;
        if (event->type() == QEvent::FocusIn) {
            // After the click that gave the focus has placed the cursor.
            QPointer<QLineEdit> f = m_field;
            QTimer::singleShot(0, m_field, [f] {
                if (f && f->hasFocus())
                    f->selectAll();
            });
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            emit m_field->returnPressed();
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QCoreApplication::sendEvent(m_field, &tab);
            return true;
        }
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        const QString text = key->text();
        if (text.isEmpty() || !text.at(0).isPrint())
            return false;  // backspace, delete, cursor keys ...
        for (QChar c : text)
            if (!acceptsChar(m_filter, c))
                return true;
        return false;
    }

private:
    QLineEdit* m_field;
    KeyFilter m_filter;
};

}  // namespace

bool acceptsChar(KeyFilter filter, QChar c)
{
    switch (filter) {
    case KeyFilter::Any:
        return true;
    case KeyFilter::WholeNumber:
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    case KeyFilter::Moyenne:
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.');
    case KeyFilter::Name:
        return c.isPrint() && storable(c);
    case KeyFilter::FileName:
        // Plain ASCII only: the name must survive on every file system and code page.
        return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(' ') || c == QLatin1Char('-');
    }
    return false;
}

QString filterText(KeyFilter filter, const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (acceptsChar(filter, c))
            out.append(c);
    return out;
}

void setupInputField(QLineEdit* field, KeyFilter filter)
{
    if (!field)
        return;
    field->installEventFilter(new FieldBehaviour(field, filter));
    if (filter != KeyFilter::Any)
        field->setValidator(new FilterValidator(filter, field));
}

void SelectAllText(QLineEdit* field)
{
    if (field)
        field->selectAll();
}

}  // namespace platform
