// Read by moc before each header it parses. moc follows the standard library's headers but cannot
// parse <compare> when that is the first of them it meets (through <chrono>, for instance); once
// <utility> has set up the library's configuration macros, it can.
#include <utility>
