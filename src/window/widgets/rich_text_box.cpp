#include "window/widgets/rich_text_box.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {
constexpr QChar Separator = QChar::ParagraphSeparator;
} // namespace

RichTextBox::RichTextBox(QWidget *parent)
    : QTextEdit(parent)
{
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WordWrap);
    // The candidate reads and may select, never types; the box still takes
    // its turn in the focus order, and Tab moves on instead of typing.
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
    // Nothing typed, nothing to undo: the program's colouring need not be kept.
    document()->setUndoRedoEnabled(false);
}

void RichTextBox::setText(const QString &text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(plain);
}

QString RichTextBox::text() const
{
    QString raw = document()->toRawText();
    raw.replace(Separator, QLatin1String("\r\n"));
    return raw;
}

int RichTextBox::toDocumentPosition(int position) const
{
    const QString raw = document()->toRawText();
    int composed = 0;
    for (int d = 0; d < raw.size(); ++d) {
        const int width = raw.at(d) == Separator ? 2 : 1;
        if (position < composed + width)
            return position <= composed ? d : d + 1;
        composed += width;
    }
    return static_cast<int>(raw.size());
}

int RichTextBox::toTextPosition(int documentPosition) const
{
    const QString raw = document()->toRawText();
    const int end = std::clamp(documentPosition, 0, static_cast<int>(raw.size()));
    const auto breaks = std::count(raw.cbegin(), raw.cbegin() + end, Separator);
    return end + static_cast<int>(breaks);
}

void RichTextBox::select(const QTextCursor &cursor)
{
    if (m_deferred > 0)
        m_selection = cursor;
    else
        setTextCursor(cursor);
}

int RichTextBox::selStart() const
{
    return toTextPosition(selection().selectionStart());
}

void RichTextBox::setSelStart(int start)
{
    QTextCursor cursor = selection();
    cursor.setPosition(toDocumentPosition(std::max(start, 0)));
    select(cursor);
}

int RichTextBox::selLength() const
{
    const QTextCursor cursor = selection();
    return toTextPosition(cursor.selectionEnd()) - toTextPosition(cursor.selectionStart());
}

void RichTextBox::setSelLength(int length)
{
    const int start = selStart();
    const int end = std::clamp(start + length, start, static_cast<int>(text().size()));
    QTextCursor cursor = selection();
    cursor.setPosition(toDocumentPosition(start));
    cursor.setPosition(toDocumentPosition(end), QTextCursor::KeepAnchor);
    select(cursor);
}

void RichTextBox::setSelColor(const QColor &color)
{
    QTextCursor cursor = selection();
    if (!cursor.hasSelection())
        return;
    QTextCharFormat format;
    format.setForeground(color);
    cursor.mergeCharFormat(format);
}

QColor RichTextBox::colorAt(int position) const
{
    const int d = toDocumentPosition(position);
    if (d >= document()->toRawText().size())
        return palette().color(QPalette::Text);
    QTextCursor cursor(document());
    cursor.setPosition(d);
    cursor.setPosition(d + 1, QTextCursor::KeepAnchor);
    const QBrush brush = cursor.charFormat().foreground();
    return brush.style() == Qt::NoBrush ? palette().color(QPalette::Text) : brush.color();
}

RichTextBox::DeferredUpdate::DeferredUpdate(RichTextBox &box)
    : m_box(box), m_editBlock(box.document())
{
    if (m_box.m_deferred++ == 0)
        m_box.m_selection = m_box.textCursor();
    m_editBlock.beginEditBlock();
}

RichTextBox::DeferredUpdate::~DeferredUpdate()
{
    m_editBlock.endEditBlock();
    if (--m_box.m_deferred == 0)
        m_box.setTextCursor(m_box.m_selection);
}
