// The footer of a field whose text goes on the dots: what the dots will show instead when they
// cannot show it as typed, a further hint of the field's own, and which characters they show. The
// field's description for assistive technologies says the same.
#pragma once

#include <QString>

#include <string_view>

class QWidget;

namespace quillon {

class FormSection;

void showDotTextFooter(FormSection& section, QWidget& field, std::string_view text, const QString& hint = {});

} // namespace quillon
