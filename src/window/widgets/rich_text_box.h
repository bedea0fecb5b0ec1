#pragma once
// The question box. Its text is handled as the program composes it, with a
// carriage return and a line feed for every line break; the text document
// underneath keeps one paragraph separator per break, so every position is
// converted on the way in and on the way out.

#include <QTextCursor>
#include <QTextEdit>

class RichTextBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // Replaces the whole content with plain text in the box's own font.
    void setText(const QString &text);
    // The content as composed: line breaks read back as CR LF.
    QString text() const;

    int selStart() const;
    // Moves the caret to a position; nothing stays selected.
    void setSelStart(int start);
    int selLength() const;
    // Selects from the selection start over this many characters.
    void setSelLength(int length);
    // Colours the characters of the selection.
    void setSelColor(const QColor &color);

    // The colour a composed position is drawn in.
    QColor colorAt(int position) const;

    // Conversion between positions in the composed text and in the document.
    int toDocumentPosition(int position) const;
    int toTextPosition(int documentPosition) const;

    // While one lives, selections and colours are worked on the document
    // alone; the layout and the caret on screen follow once, when it ends.
    // Colouring a question this way costs one layout instead of dozens.
    class DeferredUpdate
    {
    public:
        explicit DeferredUpdate(RichTextBox &box);
        ~DeferredUpdate();
        DeferredUpdate(const DeferredUpdate &) = delete;
        DeferredUpdate &operator=(const DeferredUpdate &) = delete;

    private:
        RichTextBox &m_box;
        QTextCursor m_editBlock;
    };

private:
    QTextCursor selection() const { return m_deferred > 0 ? m_selection : textCursor(); }
    void select(const QTextCursor &cursor);

    int m_deferred = 0;
    QTextCursor m_selection;
};
