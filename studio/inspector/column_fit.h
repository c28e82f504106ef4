// What keeps the settings column's controls within its width however narrow it is made (down to the
// window's minimum) and however large the type: a row whose trailing control goes under the rest
// when the two do not fit side by side, and a push button whose text wraps onto more lines.
#pragma once

#include <QLayout>
#include <QList>
#include <QPushButton>

namespace quillon {

// Two widgets side by side, the second at the trailing edge at its preferred width; where the width
// does not allow that, the second goes under the first, still at the trailing edge. Both keep their
// reading and Tab order either way.
class TrailingRowLayout final : public QLayout {
public:
    TrailingRowLayout(QWidget* leading, QWidget* trailing, QWidget* parent);
    ~TrailingRowLayout() override;

    // Whether a row of this width puts the trailing widget under the leading one.
    bool isStacked(int width) const;

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    void setGeometry(const QRect& rect) override;

private:
    QLayoutItem* leading() const;
    QLayoutItem* trailing() const;
    int leadingHeight(int width) const;
    int inner(int width) const; // the width inside the margins

    QList<QLayoutItem*> m_items;
};

// A push button whose text wraps at word boundaries onto more lines when it is given less width
// than one line needs; it asks for one line when there is room.
class WrappingPushButton final : public QPushButton {
public:
    WrappingPushButton(const QIcon& icon, const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // What the style adds around the contents, and the icon's part of the contents' width.
    QSize chrome() const;
    int iconPart() const;
    // The text's bounds wrapped at `width`.
    QRect textBounds(int width) const;
    // The whole button for the text wrapped at `textWidth`.
    QSize sizeForTextWidth(int textWidth) const;
};

} // namespace quillon
