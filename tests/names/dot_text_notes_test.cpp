// What the notes under a text field say the dots make of the text.
#include "names/dot_text_notes.h"
#include "platform/translations/translations.h"
#include "tests/support/built_catalogues.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

namespace quillon {
namespace {

std::string note(std::string_view text)
{
    return dotRenderingNote(text).toStdString();
}

TEST(DotTextNotes, SaysNothingWhereTheDotsShowTheTextAsTypedInCapitals)
{
    for (const char* shownAsTyped :
        {"", "   ", "\n\n", "Gate 12", "gate 12, 9:30!", "Straße", "£5 + €3 - ¥?", "two\r\nlines"})
        EXPECT_EQ(note(shownAsTyped), "") << shownAsTyped;
}

TEST(DotTextNotes, QuotesWhatTheDotsShowInsteadOfAccentsAndUnknownSigns)
{
    EXPECT_EQ(note("A\xC3\xB1o Nuevo"),
        "The dots show this as \xE2\x80\x9C"
        "ANO NUEVO\xE2\x80\x9D.");
    EXPECT_EQ(note("Meet @ 5_"),
        "The dots show this as \xE2\x80\x9C"
        "MEET   5\xE2\x80\x9D.");
    // Lines are joined for the quote, and the spaces the dots leave at either end are not quoted.
    EXPECT_EQ(note("\xC3\x89t\xC3\xA9\n@ Gen\xC3\xA8ve"),
        "The dots show this as \xE2\x80\x9C"
        "ETE   GENEVE\xE2\x80\x9D.");
    // A mixed title keeps what shows.
    EXPECT_EQ(note("\xE3\x81\x8A\xE6\xAD\xA3\xE6\x9C\x88 2027"),
        "The dots show this as \xE2\x80\x9C"
        "2027\xE2\x80\x9D.");
}

TEST(DotTextNotes, SaysWhenNothingShowsAndCutsALongQuote)
{
    // お正月: Japanese letters, none of which the dots show.
    EXPECT_EQ(note("\xE3\x81\x8A\xE6\xAD\xA3\xE6\x9C\x88"), "None of these characters show on the dots.");
    EXPECT_EQ(note("\xF0\x9F\x8E\x89\n\xF0\x9F\x8E\x89"), "None of these characters show on the dots.");

    std::string longAccented;
    for (int i = 0; i < 30; ++i)
        longAccented += "caf\xC3\xA9 ";
    const QString quoted = dotRenderingNote(longAccented);
    EXPECT_TRUE(quoted.startsWith(QString::fromUtf8("The dots show this as \xE2\x80\x9C"
                                                    "CAFE CAFE")))
        << quoted.toStdString();
    EXPECT_TRUE(quoted.endsWith(QString::fromUtf8("\xE2\x80\xA6\xE2\x80\x9D."))) << quoted.toStdString();
    EXPECT_LT(quoted.size(), 80);
}

TEST(DotTextNotes, EachCatalogueWritesTheNoteWithItsOwnQuotes)
{
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name};
    QCoreApplication application(argc, argv);
    const std::pair<const char*, const char*> quotes[] = {{"de",
                                                              "\xE2\x80\x9E"
                                                              "ANO\xE2\x80\x9C"},
        {"fr",
            "\xC2\xAB\xC2\xA0"
            "ANO\xC2\xA0\xC2\xBB"},
        {"es",
            "\xC2\xAB"
            "ANO\xC2\xBB"},
        {"ja",
            "\xE3\x80\x8C"
            "ANO\xE3\x80\x8D"}};
    for (const auto& [language, quoted] : quotes) {
        std::unique_ptr<QTranslator> catalogue = loadCatalogue({language}, testing::builtCatalogueFolders());
        ASSERT_TRUE(catalogue) << language;
        QCoreApplication::installTranslator(catalogue.get());
        EXPECT_TRUE(dotRenderingNote("A\xC3\xB1o").contains(QString::fromUtf8(quoted))) << language;
        EXPECT_NE(dotCharactersNote().toStdString().find("$ \xE2\x82\xAC"), std::string::npos) << language;
        QCoreApplication::removeTranslator(catalogue.get());
    }
}

} // namespace
} // namespace quillon
