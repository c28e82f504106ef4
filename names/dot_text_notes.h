// What the dots make of a text typed for them: the characters they can show, and, for a text that
// loses accents or letters on the way, what they will show instead. The studio's fields and the
// widget editors say the same.
#pragma once

#include <QString>

#include <string_view>

namespace quillon {

// "Letters A to Z without accents, numbers, … are shown; anything else becomes a space.", translated.
QString dotCharactersNote();

// Empty when the dots show the text as typed, only upper-cased. Otherwise what they show instead,
// in quotes and cut short when long: "The dots show this as “ANO NUEVO”.", or, when nothing of it
// shows, "None of these characters show on the dots.", translated.
QString dotRenderingNote(std::string_view text);

} // namespace quillon
