// One section of a grouped form: a small heading, its rows on a rounded panel divided by hairlines,
// and a footer under the panel.
#pragma once

#include <QWidget>

class QLabel;
class QVBoxLayout;

namespace quillon {

class FormSection final : public QWidget {
    Q_OBJECT

public:
    // An empty title leaves the heading out.
    explicit FormSection(const QString& title = {}, QWidget* parent = nullptr);

    void addRow(QWidget* row);
    // Rows removed and deleted, heading and footer kept.
    void clearRows();
    // The footer's label, made on first use; hidden while its text is empty.
    QLabel* footer();
    void setFooter(const QString& text);

private:
    class Panel;
    Panel* m_panel = nullptr;
    QVBoxLayout* m_rows = nullptr;
    QLabel* m_footer = nullptr;
    QVBoxLayout* m_column = nullptr;
};

} // namespace quillon
