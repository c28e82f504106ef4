<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>quillon::BoardCityList</name>
    <message>
        <location filename="../studio/inspector/board_city_list.cpp" line="+21"/>
        <source>Cities</source>
        <translation>Städte</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Remove %1</source>
        <extracomment>Removes a city from the world board. %1 is the city&apos;s name.</extracomment>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Move Up</source>
        <comment>move a city up the board</comment>
        <translation>Nach oben verschieben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Move Down</source>
        <comment>move a city down the board</comment>
        <translation>Nach unten verschieben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remove</source>
        <comment>take a city off the board</comment>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>quillon::CityNames</name>
    <message>
        <location filename="../names/city_display_names.cpp" line="+23"/>
        <source>San Francisco</source>
        <comment>a city in the USA</comment>
        <translation>San Francisco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seattle</source>
        <comment>a city in the USA</comment>
        <translation>Seattle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dallas</source>
        <comment>a city in the USA</comment>
        <translation>Dallas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Austin</source>
        <comment>a city in the USA</comment>
        <translation>Austin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Miami</source>
        <comment>a city in the USA</comment>
        <translation>Miami</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boston</source>
        <comment>a city in the USA</comment>
        <translation>Boston</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>San Juan</source>
        <comment>the capital of Puerto Rico</comment>
        <translation>San Juan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rio de Janeiro</source>
        <comment>a city in Brazil</comment>
        <translation>Rio de Janeiro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Barcelona</source>
        <comment>a city in Spain</comment>
        <translation>Barcelona</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mumbai</source>
        <comment>a city in India</comment>
        <translation>Mumbai</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Delhi</source>
        <comment>the capital of India</comment>
        <translation>Neu-Delhi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bangalore</source>
        <comment>a city in India</comment>
        <translation>Bangalore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beijing</source>
        <comment>the capital of China</comment>
        <translation>Peking</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>en</source>
        <comment>language code</comment>
        <extracomment>The code of this catalogue&apos;s language, as ICU names languages (&quot;de&quot;, &quot;fr&quot;, &quot;es&quot;, &quot;ja&quot;): the names of cities and countries are taken from ICU in that language.</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Local</source>
        <comment>the computer&apos;s own city, when its zone has no city</comment>
        <translation>Ortszeit</translation>
    </message>
</context>
<context>
    <name>quillon::CityPicker</name>
    <message>
        <location filename="../studio/inspector/city_picker.cpp" line="+66"/>
        <location line="+1"/>
        <source>Search cities or countries</source>
        <translation>Städte oder Länder suchen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cities</source>
        <translation>Städte</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>%1, %2, %3</source>
        <comment>city, country, offset</comment>
        <extracomment>A found city for assistive technologies: the city, its country and its GMT offset.</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;b&gt;No Results for “%1”&lt;/b&gt;&lt;br&gt;&lt;br&gt;Check the spelling or try a new search.</source>
        <extracomment>Shown in place of the list when nothing matches. %1 is what was typed.</extracomment>
        <translation>&lt;b&gt;Keine Ergebnisse für „%1“&lt;/b&gt;&lt;br&gt;&lt;br&gt;Überprüfen Sie die Schreibweise oder versuchen Sie es mit einer neuen Suche.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n cities</source>
        <extracomment>How many cities a search found, as screen readers say it and the list&apos;s description</extracomment>
        <translation>
            <numerusform>%n Stadt</numerusform>
            <numerusform>%n Städte</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No results</source>
        <translation>Keine Ergebnisse</translation>
    </message>
</context>
<context>
    <name>quillon::CityRow</name>
    <message>
        <location filename="../studio/inspector/city_row.cpp" line="+46"/>
        <source>%1 · %2</source>
        <comment>country and offset</comment>
        <extracomment>Under a city&apos;s name: its country and its GMT offset.</extracomment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, %2, %3</source>
        <comment>city, country and offset, time</comment>
        <extracomment>A city&apos;s row for assistive technologies: the city, the line under it and its local time.</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
</context>
<context>
    <name>quillon::CountdownDatePicker</name>
    <message>
        <location filename="../studio/dates/countdown_date_picker.cpp" line="+145"/>
        <location line="+3"/>
        <source>Time</source>
        <comment>time of day</comment>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Quick dates</source>
        <translation>Schnellauswahl</translation>
    </message>
</context>
<context>
    <name>quillon::DisplayNames</name>
    <message>
        <location filename="../names/display_names.cpp" line="+20"/>
        <source>World Board</source>
        <comment>widget kind</comment>
        <translation>Weltzeittafel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clock</source>
        <comment>widget kind</comment>
        <translation>Uhr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Day</source>
        <comment>widget kind</comment>
        <translation>Tag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Progress</source>
        <comment>widget kind</comment>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Countdown</source>
        <comment>widget kind</comment>
        <translation>Countdown</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sign</source>
        <comment>widget kind</comment>
        <translation>Schild</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Small</source>
        <comment>display size</comment>
        <translation>Klein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medium</source>
        <comment>display size</comment>
        <translation>Mittel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Large</source>
        <comment>display size</comment>
        <translation>Groß</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extra Large</source>
        <comment>display size</comment>
        <translation>Sehr groß</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Day</source>
        <comment>progress period</comment>
        <translation>Tag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Week</source>
        <comment>progress period</comment>
        <translation>Woche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Month</source>
        <comment>progress period</comment>
        <translation>Monat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Year</source>
        <comment>progress period</comment>
        <translation>Jahr</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Midnight</source>
        <comment>colour theme</comment>
        <translation>Mitternacht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obsidian</source>
        <comment>colour theme</comment>
        <translation>Obsidian</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paper</source>
        <comment>colour theme</comment>
        <translation>Papier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Matcha</source>
        <comment>colour theme</comment>
        <translation>Matcha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lemon</source>
        <comment>colour theme</comment>
        <translation>Zitrone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sky</source>
        <comment>colour theme</comment>
        <translation>Himmel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amber</source>
        <comment>colour theme</comment>
        <translation>Bernstein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Phosphor</source>
        <comment>colour theme</comment>
        <translation>Phosphor</translation>
    </message>
    <message>
        <location filename="../names/city_display_names.cpp" line="+16"/>
        <source>This Computer</source>
        <comment>the country of the computer&apos;s own city</comment>
        <translation>Dieser Computer</translation>
    </message>
</context>
<context>
    <name>quillon::DotTextNotes</name>
    <message>
        <location filename="../names/dot_text_notes.cpp" line="+41"/>
        <source>Letters A to Z without accents, numbers, $ € £ ¥ ₹ and ! ? % &amp; # + - / : . , are shown; anything else becomes a space.</source>
        <translation>Buchstaben von A bis Z ohne Umlaute und Akzente, Ziffern, $ € £ ¥ ₹ sowie ! ? % &amp; # + - / : . , werden angezeigt; alle anderen Zeichen werden zu Leerzeichen.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>None of these characters show on the dots.</source>
        <translation>Keines dieser Zeichen erscheint in Punkten.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The dots show this as “%1”.</source>
        <extracomment>%1 is the text as the dots show it, in capitals, with accents dropped and other characters as spaces. Use the quotation marks of the language.</extracomment>
        <translation>In Punkten erscheint das als „%1“.</translation>
    </message>
</context>
<context>
    <name>quillon::HowToAddView</name>
    <message>
        <location filename="../studio/window/how_to_add_view.cpp" line="+80"/>
        <location line="+4"/>
        <source>Add a widget to your desktop</source>
        <translation>Ein Widget zum Desktop hinzufügen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Widgets live on your desktop, drawn by Quillon Widgets.</source>
        <translation>Widgets befinden sich auf Ihrem Desktop und werden von Quillon Widgets dargestellt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Click **Place on Desktop** below, or open **Quillon Widgets** and choose **Edit Widgets…**</source>
        <extracomment>Text between ** and ** is shown in bold. &quot;Place on Desktop&quot; is the button below the steps; &quot;Edit Widgets…&quot; is an item of the Quillon Widgets menu.</extracomment>
        <translation>Klicken Sie unten auf **Auf dem Desktop platzieren** oder öffnen Sie **Quillon Widgets** und wählen Sie **Widgets bearbeiten…**</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pick a widget and a size.</source>
        <translation>Wählen Sie ein Widget und eine Größe.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drag it where you want it.</source>
        <translation>Ziehen Sie es an die gewünschte Stelle.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Placed widgets follow the settings in this app and update as you change them. Click a widget to jump back here; use **Edit Widget** on its right-click menu only to give one widget its own settings.</source>
        <extracomment>Text between ** and ** is shown in bold. &quot;Edit Widget&quot; is an item of a placed widget&apos;s right-click menu.</extracomment>
        <translation>Platzierte Widgets übernehmen die Einstellungen dieser App und werden aktualisiert, sobald Sie sie ändern. Klicken Sie auf ein Widget, um hierher zurückzukehren. Verwenden Sie **Widget bearbeiten** im Kontextmenü nur, wenn ein einzelnes Widget eigene Einstellungen erhalten soll.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Place on Desktop</source>
        <translation>Auf dem Desktop platzieren</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Placing the widget…</source>
        <extracomment>Shown in the how-to popover while the desktop is asked to place the widget</extracomment>
        <translation>Das Widget wird platziert…</translation>
    </message>
</context>
<context>
    <name>quillon::InspectorTexts</name>
    <message>
        <location filename="../studio/inspector/inspector_texts.cpp" line="+59"/>
        <source>Times across your cities, departures-board style.</source>
        <translation>Die Uhrzeiten Ihrer Städte im Stil einer Abfahrtstafel.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One city&apos;s time in big dots.</source>
        <translation>Die Uhrzeit einer Stadt in großen Punkten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Today&apos;s date with a bar for how much of it is left.</source>
        <translation>Das heutige Datum mit einem Balken, der den Rest des Tages zeigt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How far through the day, week, month or year you are.</source>
        <translation>Wie weit Tag, Woche, Monat oder Jahr schon vorangeschritten sind.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Days, hours and minutes until something.</source>
        <translation>Tage, Stunden und Minuten bis zu einem Ereignis.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your own message on a dot display.</source>
        <translation>Ihre eigene Nachricht auf einer Punktmatrixanzeige.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>GMT%1</source>
        <extracomment>%1 is the signed offset from GMT in hours, or hours and minutes: +9, -3:30.</extracomment>
        <translation>GMT%1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1. That&apos;s passed; pick a new date.</source>
        <extracomment>The countdown&apos;s date has gone by. %1 is the date and time.</extracomment>
        <translation>%1. Dieser Zeitpunkt ist vorbei; wählen Sie ein neues Datum.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 · today</source>
        <extracomment>The countdown&apos;s date is later today. %1 is the date and time.</extracomment>
        <translation>%1 · heute</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%1 · in %n days</source>
        <extracomment>How many calendar days until the countdown&apos;s date. %1 is the date and time.</extracomment>
        <translation>
            <numerusform>%1 · in %n Tag</numerusform>
            <numerusform>%1 · in %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../studio/inspector/inspector_texts.h" line="+44"/>
        <source>Long titles wrap onto more lines with smaller dots.</source>
        <translation>Lange Titel werden mit kleineren Punkten auf mehrere Zeilen umbrochen.</translation>
    </message>
</context>
<context>
    <name>quillon::InspectorView</name>
    <message>
        <location filename="../studio/inspector/inspector_view.cpp" line="+48"/>
        <source>Widget Settings</source>
        <translation>Widget-Einstellungen</translation>
    </message>
    <message>
        <location filename="../studio/inspector/world_board_settings.cpp" line="+20"/>
        <source>Cities</source>
        <translation>Städte</translation>
    </message>
    <message>
        <location filename="../studio/inspector/inspector_view.cpp" line="+116"/>
        <location filename="../studio/inspector/world_board_settings.cpp" line="+5"/>
        <source>Add City</source>
        <translation>Stadt hinzufügen</translation>
    </message>
    <message>
        <location filename="../studio/inspector/world_board_settings.cpp" line="+9"/>
        <source>Drag to reorder. Medium shows 4 rows, Large 8, Extra Large 7.</source>
        <translation>Zum Umsortieren ziehen. „Mittel“ zeigt 4 Zeilen, „Groß“ 8, „Sehr groß“ 7.</translation>
    </message>
    <message>
        <location filename="../studio/inspector/clock_settings.cpp" line="+19"/>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change…</source>
        <comment>pick another city for the clock</comment>
        <translation>Ändern…</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../studio/inspector/inspector_view.cpp" line="+13"/>
        <source>Change City</source>
        <translation>Stadt ändern</translation>
    </message>
    <message>
        <location filename="../studio/inspector/use_24h_toggle.cpp" line="+17"/>
        <source>24-hour time</source>
        <translation>24-Stunden-Format</translation>
    </message>
    <message>
        <location filename="../studio/inspector/progress_settings.cpp" line="+19"/>
        <location line="+10"/>
        <source>Period</source>
        <comment>what a progress display measures</comment>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <location filename="../studio/inspector/countdown_settings.cpp" line="+32"/>
        <location line="+6"/>
        <source>Title</source>
        <comment>a countdown&apos;s title</comment>
        <translation>Titel</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>New Year</source>
        <comment>an example countdown title</comment>
        <extracomment>The dots show only letters A to Z without accents, numbers and a few signs: an example they show right, such as a holiday&apos;s name written in those letters.</extracomment>
        <translation>Neujahr</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Counting down to</source>
        <translation>Countdown bis</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../studio/inspector/inspector_view.cpp" line="+7"/>
        <source>Date</source>
        <comment>when a countdown ends</comment>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../studio/inspector/sign_settings.cpp" line="+15"/>
        <location line="+3"/>
        <source>Message</source>
        <comment>the text a sign shows</comment>
        <translation>Nachricht</translation>
    </message>
    <message>
        <location filename="../studio/inspector/sync_note.cpp" line="+26"/>
        <source>Desktop widgets follow these settings.</source>
        <translation>Desktop-Widgets übernehmen diese Einstellungen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>To give one widget its own theme or city, right-click it on the desktop and choose Edit Widget.</source>
        <translation>Um einem einzelnen Widget ein eigenes Farbthema oder eine eigene Stadt zu geben, klicken Sie es auf dem Desktop mit der rechten Maustaste an und wählen Sie „Widget bearbeiten“.</translation>
    </message>
</context>
<context>
    <name>quillon::Lampworks</name>
    <message>
        <location filename="../lampwork/lampwork_widgets.cpp" line="+25"/>
        <source>Times across your cities, departures-board style.</source>
        <translation>Die Uhrzeiten Ihrer Städte im Stil einer Abfahrtstafel.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One city&apos;s time in big dots.</source>
        <translation>Die Uhrzeit einer Stadt in großen Punkten.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Today&apos;s date with a bar for how much of it is left.</source>
        <translation>Das heutige Datum mit einem Balken, der den Rest des Tages zeigt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How far through the day, week, month or year you are.</source>
        <translation>Wie weit Tag, Woche, Monat oder Jahr schon vorangeschritten sind.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Days, hours and minutes until something.</source>
        <translation>Tage, Stunden und Minuten bis zu einem Ereignis.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your own message on a dot display.</source>
        <translation>Ihre eigene Nachricht auf einer Punktmatrixanzeige.</translation>
    </message>
</context>
<context>
    <name>quillon::MonthCalendar</name>
    <message>
        <location filename="../studio/dates/month_calendar.cpp" line="+47"/>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Today</source>
        <comment>calendar button: go to this month</comment>
        <translation>Heute</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
</context>
<context>
    <name>quillon::QuickDate</name>
    <message>
        <location filename="../studio/dates/quick_date.cpp" line="+45"/>
        <source>Tomorrow, 9 AM</source>
        <translation>Morgen, 9 Uhr</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A week from now</source>
        <translation>In einer Woche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End of this month</source>
        <translation>Ende dieses Monats</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Year&apos;s Day</source>
        <translation>Neujahr</translation>
    </message>
</context>
<context>
    <name>quillon::SelfUpdater</name>
    <message>
        <location filename="../updater/self_updater.cpp" line="+53"/>
        <source>There is not enough space on the disk to download the update to %1.</source>
        <translation>Auf dem Datenträger ist nicht genügend Speicherplatz frei, um das Update nach %1 herunterzuladen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The update could not be saved in %1: %2</source>
        <translation>Das Update konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <location line="+166"/>
        <source>The update feed&apos;s address is not a secure (https) address.</source>
        <translation>Die Adresse des Update-Feeds ist keine sichere (https-)Adresse.</translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>The update server did not send the update feed within %n second(s).</source>
        <comment>the feed&apos;s deadline</comment>
        <translation>
            <numerusform>Der Update-Server hat den Update-Feed nicht innerhalb von %n Sekunde gesendet.</numerusform>
            <numerusform>Der Update-Server hat den Update-Feed nicht innerhalb von %n Sekunden gesendet.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The update feed is larger than any feed of this program.</source>
        <translation>Der Update-Feed ist größer, als ein Feed dieses Programms sein darf.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The update server could not be reached: %1</source>
        <translation>Der Update-Server konnte nicht erreicht werden: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The update feed could not be read.</source>
        <translation>Der Update-Feed konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>The update is larger than any release of this program.</source>
        <translation>Das Update ist größer, als eine Version dieses Programms sein darf.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The update&apos;s download address is not a secure (https) address.</source>
        <translation>Die Download-Adresse des Updates ist keine sichere (https-)Adresse.</translation>
    </message>
    <message numerus="yes">
        <location line="-254"/>
        <source>The download was too slow to finish within %n minute(s).</source>
        <comment>the download&apos;s deadline</comment>
        <translation>
            <numerusform>Der Download war zu langsam, um innerhalb von %n Minute fertig zu werden.</numerusform>
            <numerusform>Der Download war zu langsam, um innerhalb von %n Minuten fertig zu werden.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The download is larger than the update feed says it is.</source>
        <translation>Der Download ist größer als im Update-Feed angegeben.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The update could not be downloaded: %1</source>
        <translation>Das Update konnte nicht heruntergeladen werden: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The download is not the size the update feed gives for it.</source>
        <translation>Der Download hat nicht die im Update-Feed angegebene Größe.</translation>
    </message>
</context>
<context>
    <name>quillon::SettingsView</name>
    <message>
        <location filename="../studio/window/settings_view.cpp" line="+42"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatically check for updates</source>
        <translation>Automatisch nach Updates suchen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Last checked</source>
        <translation>Letzte Suche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check Now</source>
        <translation>Jetzt suchen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>This is a development build, which doesn&apos;t update itself. Copies downloaded from %1 check for updates automatically.</source>
        <extracomment>%1 is the host name of the product&apos;s web site.</extracomment>
        <translation>Dies ist ein Entwicklungs-Build, der sich nicht selbst aktualisiert. Von %1 heruntergeladene Kopien suchen automatisch nach Updates.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Version</source>
        <comment>the studio&apos;s version</comment>
        <translation>Version</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Never</source>
        <comment>last update check</comment>
        <translation>Nie</translation>
    </message>
</context>
<context>
    <name>quillon::SizePicker</name>
    <message>
        <location filename="../studio/stage/control_bar.cpp" line="+60"/>
        <source>Size</source>
        <comment>display size</comment>
        <translation>Größe</translation>
    </message>
</context>
<context>
    <name>quillon::StoreReport</name>
    <message>
        <location filename="../platform/translations/store_report_text.cpp" line="+27"/>
        <source>the folder %1 is read-only</source>
        <extracomment>Why a settings file could not be saved; %1 is a folder such as ~/.config/quillon</extracomment>
        <translation>der Ordner %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the disk that holds %1 is full</source>
        <extracomment>Why a settings file could not be saved; %1 is a folder such as ~/.config/quillon</extracomment>
        <translation>der Datenträger, auf dem sich %1 befindet, ist voll</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the folder %1 belongs to another user</source>
        <extracomment>Why a settings file could not be saved; %1 is a folder such as ~/.config/quillon</extracomment>
        <translation>der Ordner %1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a folder</source>
        <extracomment>Why a settings file could not be saved: a file stands where the folder %1 should be</extracomment>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 may not be read</source>
        <extracomment>Why a settings file could not be read; %1 is the file, such as ~/.config/quillon/widgets.json</extracomment>
        <translation>für %1 fehlt die Leseberechtigung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is damaged</source>
        <extracomment>Why a settings file could not be read; %1 is the file, such as ~/.config/quillon/widgets.json</extracomment>
        <translation>%1 ist beschädigt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is larger than a settings file may be</source>
        <extracomment>Why a settings file could not be read or saved; %1 is the file</extracomment>
        <translation>%1 ist größer, als eine Einstellungsdatei sein darf</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>they hold text or a date that cannot be written down</source>
        <extracomment>Why the settings could not be saved</extracomment>
        <translation>es ist ein Text oder Datum enthalten, das sich nicht speichern lässt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the system refused to write %1 (%2)</source>
        <extracomment>Why a settings file could not be saved; %1 is the file or folder, %2 the system&apos;s reason</extracomment>
        <translation>das System hat das Schreiben in %1 verweigert (%2)</translation>
    </message>
</context>
<context>
    <name>quillon::StudioWindow</name>
    <message>
        <location filename="../studio/window/studio_window.cpp" line="+54"/>
        <source>Quillon support</source>
        <extracomment>The subject of a new mail to Quillon&apos;s support, in the user&apos;s mail program</extracomment>
        <translation>Quillon-Support</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Your changes could not be saved: %1. The settings file is unchanged; your next change is saved once it can be.</source>
        <extracomment>The note under the window when a change could not be saved; %1 says why, as in &quot;the folder ~/.config/quillon is read-only&quot;</extracomment>
        <translation>Ihre Änderungen konnten nicht gespeichert werden: %1. Die Einstellungsdatei ist unverändert; Ihre nächste Änderung wird gespeichert, sobald das wieder möglich ist.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Your saved settings could not be read: %1. The studio started with the defaults, and kept the file as %2.</source>
        <extracomment>The note under the window when the saved settings could not be read at start; %1 says why, %2 is where the unreadable file was moved</extracomment>
        <translation>Ihre gespeicherten Einstellungen konnten nicht gelesen werden: %1. Die App wurde mit den Standardeinstellungen gestartet und hat die Datei als %2 aufbewahrt.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Your saved settings could not be read: %1. The studio started with the defaults and leaves the file as it is.</source>
        <extracomment>The note under the window when the saved settings could not be read at start and could not be moved aside; %1 says why</extracomment>
        <translation>Ihre gespeicherten Einstellungen konnten nicht gelesen werden: %1. Die App wurde mit den Standardeinstellungen gestartet und lässt die Datei unverändert.</translation>
    </message>
    <message>
        <location line="+107"/>
        <location line="+7"/>
        <source>Widgets</source>
        <comment>sidebar heading</comment>
        <translation>Widgets</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Add to Desktop</source>
        <translation>Zum Desktop hinzufügen</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>More Tools</source>
        <translation>Weitere Werkzeuge</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+17"/>
        <location line="+80"/>
        <location line="+4"/>
        <source>Full View</source>
        <translation>Vollansicht</translation>
    </message>
    <message>
        <location line="-100"/>
        <location line="+99"/>
        <source>Show the widget big, without panels</source>
        <translation>Widget groß und ohne Seitenleisten anzeigen</translation>
    </message>
    <message>
        <location line="-97"/>
        <source>Widget Settings</source>
        <translation>Widget-Einstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide widget settings</source>
        <translation>Widget-Einstellungen ein- oder ausblenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+93"/>
        <source>Hide Sidebar</source>
        <translation>Seitenleiste ausblenden</translation>
    </message>
    <message>
        <location line="-90"/>
        <location line="+88"/>
        <source>Hide Widget Settings</source>
        <translation>Widget-Einstellungen ausblenden</translation>
    </message>
    <message>
        <location line="-83"/>
        <source>Placed Widgets…</source>
        <extracomment>Opens the list of the widgets on the desktop, where each is edited, resized, moved or removed</extracomment>
        <translation>Platzierte Widgets…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Placed Widgets</source>
        <translation>Platzierte Widgets</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How to Add Widgets</source>
        <translation>So fügen Sie Widgets hinzu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillon Website</source>
        <translation>Quillon-Website</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contact Support…</source>
        <translation>Support kontaktieren…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Privacy Policy</source>
        <translation>Datenschutzerklärung</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+3"/>
        <source>About Quillon</source>
        <translation>Über Quillon</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;b&gt;Quillon&lt;/b&gt;&lt;br&gt;Version %1 (%2)&lt;br&gt;&lt;br&gt;Dot-matrix displays for your desktop.&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;%4&lt;/a&gt;</source>
        <extracomment>%1 is the version, %2 the build number, %3 the web site&apos;s address and %4 its host name.</extracomment>
        <translation>&lt;b&gt;Quillon&lt;/b&gt;&lt;br&gt;Version %1 (%2)&lt;br&gt;&lt;br&gt;Punktmatrixanzeigen für Ihren Desktop.&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;%4&lt;/a&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Check for Updates…</source>
        <translation>Nach Updates suchen…</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <location line="+25"/>
        <location line="+4"/>
        <source>Exit Full View</source>
        <translation>Vollansicht beenden</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Exit full view (Esc)</source>
        <translation>Vollansicht beenden (Esc)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show Widget Settings</source>
        <translation>Widget-Einstellungen einblenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show Sidebar</source>
        <translation>Seitenleiste einblenden</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>%1 — Quillon</source>
        <extracomment>The studio window&apos;s title; %1 is the display shown, such as &quot;Clock&quot;</extracomment>
        <translation>%1 — Quillon</translation>
    </message>
    <message>
        <location filename="../studio/window/board_change_text.cpp" line="+30"/>
        <source>%1 added to the board</source>
        <translation>%1 zur Weltzeittafel hinzugefügt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 removed from the board</source>
        <extracomment>Said to screen readers when a city leaves the world board; %1 is the city</extracomment>
        <translation>%1 von der Weltzeittafel entfernt</translation>
    </message>
</context>
<context>
    <name>quillon::UpdateInstaller</name>
    <message>
        <location filename="../updater/update_installer.cpp" line="+105"/>
        <source>There is not enough space on the disk to unpack the update in %1.</source>
        <translation>Auf dem Datenträger ist nicht genügend Speicherplatz frei, um das Update in %1 zu entpacken.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+112"/>
        <source>The update could not be unpacked in %1: %2.</source>
        <translation>Das Update konnte nicht in %1 entpackt werden: %2.</translation>
    </message>
    <message>
        <location line="-26"/>
        <location line="+179"/>
        <source>Installing the update was stopped.</source>
        <translation>Die Installation des Updates wurde abgebrochen.</translation>
    </message>
    <message>
        <location line="-178"/>
        <source>The download could not be read: %1</source>
        <translation>Der Download konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The update could not be unpacked: %1.</source>
        <translation>Das Update konnte nicht entpackt werden: %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The update holds something no release of this program has (%1): only files, folders and links inside the release are taken.</source>
        <translation>Das Update enthält etwas, das in keiner Version dieses Programms vorkommt (%1): Übernommen werden nur Dateien, Ordner und Verknüpfungen innerhalb der neuen Version.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The update unpacks to more than a release of this program can be (%1).</source>
        <translation>Das Update ist entpackt größer, als eine Version dieses Programms sein kann (%1).</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>The update does not say which program and version it is, as every release of this program does.</source>
        <translation>Das Update gibt nicht an, um welches Programm und welche Version es sich handelt, obwohl jede Version dieses Programms dies tut.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The update is a release of another program (%1).</source>
        <translation>Das Update ist eine Version eines anderen Programms (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The update is build %1, not build %2 as the update feed announced.</source>
        <translation>Das Update ist Build %1, nicht Build %2, wie im Update-Feed angekündigt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The update is build %1, which is not newer than build %2 that runs now.</source>
        <translation>Das Update ist Build %1 und damit nicht neuer als der gerade ausgeführte Build %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The update is build %1, which is not newer than build %2 installed already.</source>
        <translation>Das Update ist Build %1 und damit nicht neuer als der bereits installierte Build %2.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>it did not say it is build %1</source>
        <translation>sie hat nicht angegeben, Build %1 zu sein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it ended with status %1: %2</source>
        <translation>sie endete mit Status %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it was ended by signal %1 (%2)</source>
        <translation>sie wurde durch Signal %1 beendet (%2)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it did not answer within %1 seconds</source>
        <translation>sie hat nicht innerhalb von %1 Sekunden geantwortet</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The new version does not start on this computer (%1), so it was not installed.</source>
        <translation>Die neue Version startet auf diesem Computer nicht (%1) und wurde deshalb nicht installiert.</translation>
    </message>
    <message>
        <location line="+72"/>
        <location line="+11"/>
        <source>The download is not the size the update feed gives for it.</source>
        <translation>Der Download hat nicht die im Update-Feed angegebene Größe.</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>The update&apos;s version cannot name a folder.</source>
        <translation>Die Versionsangabe des Updates kann nicht als Ordnername verwendet werden.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The download is not signed by the publisher of this program.</source>
        <translation>Der Download ist nicht vom Herausgeber dieses Programms signiert.</translation>
    </message>
    <message>
        <location line="+167"/>
        <source>Another copy of this program is installing an update into %1 right now.</source>
        <translation>Eine andere Instanz dieses Programms installiert gerade ein Update in %1.</translation>
    </message>
    <message>
        <location line="-131"/>
        <source>The download changed while it was being installed.</source>
        <translation>Der Download wurde während der Installation verändert.</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>The update could not be unpacked as a release of this program.</source>
        <translation>Das Update konnte nicht als Version dieses Programms entpackt werden.</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>The update holds a link that leads out of the release.</source>
        <translation>Das Update enthält eine Verknüpfung, die auf einen Ort außerhalb der neuen Version verweist.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The update is made for another kind of computer: %1 is not a program for this one.</source>
        <translation>Das Update ist für eine andere Art von Computer gemacht: %1 ist kein Programm für diesen.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>The update could not be put beside the installed version: %1</source>
        <translation>Das Update konnte nicht neben der installierten Version abgelegt werden: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The update could not be written to the disk in %1: %2.</source>
        <translation>Das Update konnte nicht in %1 auf den Datenträger geschrieben werden: %2.</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+16"/>
        <source>The new version could not be made current: %1</source>
        <translation>Die neue Version konnte nicht aktiviert werden: %1</translation>
    </message>
</context>
<context>
    <name>quillon::UpdateWindows</name>
    <message>
        <location filename="../studio/application/update_windows.cpp" line="+68"/>
        <source>Check for updates automatically?</source>
        <translation>Automatisch nach Updates suchen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Should Quillon automatically check for updates?</source>
        <translation>Soll Quillon automatisch nach Updates suchen?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You can always check for updates manually from the Help menu, and change this in Settings.</source>
        <translation>Sie können jederzeit über das Menü „Hilfe“ manuell nach Updates suchen und dies in den Einstellungen ändern.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Check Automatically</source>
        <translation>Automatisch suchen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Don&apos;t Check</source>
        <translation>Nicht suchen</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+92"/>
        <source>Software Update</source>
        <translation>Software-Update</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>&lt;b&gt;A new version of Quillon is available!&lt;/b&gt;</source>
        <translation>&lt;b&gt;Eine neue Version von Quillon ist verfügbar!&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quillon %1 is now available — you have %2. Would you like to install it now?</source>
        <extracomment>%1 is the new version, %2 the version the user has.</extracomment>
        <translation>Quillon %1 ist jetzt verfügbar – Sie haben %2. Möchten Sie die neue Version jetzt installieren?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quillon %1 is now available — you have %2. Would you like to open its download page?</source>
        <translation>Quillon %1 ist jetzt verfügbar – Sie haben %2. Möchten Sie die Download-Seite öffnen?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;b&gt;Release Notes:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Versionshinweise:&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Release Notes</source>
        <translation>Versionshinweise</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No release notes were given.</source>
        <translation>Es wurden keine Versionshinweise angegeben.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Skip This Version</source>
        <translation>Diese Version überspringen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remind Me Later</source>
        <translation>Später erinnern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Install Update</source>
        <translation>Update installieren</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>You&apos;re up to date!</source>
        <translation>Sie sind auf dem neuesten Stand!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillon %1 is currently the newest version available.</source>
        <extracomment>%1 is the version the user has.</extracomment>
        <translation>Quillon %1 ist derzeit die neueste verfügbare Version.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Downloading the update…</source>
        <translation>Das Update wird heruntergeladen…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Checking and installing the update…</source>
        <translation>Das Update wird geprüft und installiert…</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cancel</source>
        <comment>stops the update under way</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Update Installed</source>
        <translation>Update installiert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillon %1 is installed.</source>
        <extracomment>%1 is the version just installed.</extracomment>
        <translation>Quillon %1 ist installiert.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Relaunch now to start using it? Otherwise it starts the next time you open Quillon.</source>
        <translation>Jetzt neu starten, um die neue Version zu verwenden? Andernfalls wird sie beim nächsten Öffnen von Quillon gestartet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Relaunch Now</source>
        <translation>Jetzt neu starten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Later</source>
        <comment>relaunch after an update</comment>
        <translation>Später</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+12"/>
        <source>Update Error!</source>
        <translation>Update-Fehler!</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>%1

The installed version was not changed.</source>
        <extracomment>%1 is what went wrong, as the updater tells it.</extracomment>
        <translation>%1

Die installierte Version wurde nicht verändert.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The update to build %1 could not start on this computer, so the version you had before is running again.</source>
        <extracomment>%1 is the build that was installed by the last update.</extracomment>
        <translation>Das Update auf Build %1 konnte auf diesem Computer nicht starten; deshalb läuft wieder die Version, die Sie vorher hatten.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>That build is skipped: it is offered again only when you check for updates yourself.</source>
        <translation>Dieser Build wird übersprungen: Er wird nur wieder angeboten, wenn Sie selbst nach Updates suchen.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This build doesn&apos;t update itself</source>
        <translation>Dieser Build aktualisiert sich nicht selbst</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This is a development build of Quillon: it will not replace itself with the version on %1. Copies downloaded from %1 check for updates automatically.</source>
        <extracomment>%1 is the host name of the product&apos;s web site.</extracomment>
        <translation>Dies ist ein Entwicklungs-Build von Quillon: Er ersetzt sich nicht selbst durch die Version auf %1. Von %1 heruntergeladene Kopien suchen automatisch nach Updates.</translation>
    </message>
</context>
<context>
    <name>quillon::WidgetConfiguration</name>
    <message>
        <location filename="../lampwork/widget_configuration.cpp" line="+35"/>
        <source>Same as App</source>
        <translation>Wie in der App</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Theme</source>
        <translation>Farbthema</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Cities</source>
        <translation>Städte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave empty to use the app&apos;s cities.</source>
        <translation>Leer lassen, um die Städte der App zu verwenden.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave empty to use the app&apos;s city.</source>
        <translation>Leer lassen, um die Stadt der App zu verwenden.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Title</source>
        <comment>what a countdown counts to</comment>
        <translation>Titel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leave empty to use the app&apos;s title.</source>
        <translation>Leer lassen, um den Titel der App zu verwenden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Date</source>
        <comment>when a countdown ends</comment>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leave empty to use the app&apos;s date.</source>
        <translation>Leer lassen, um das Datum der App zu verwenden.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave empty to use the app&apos;s message.</source>
        <translation>Leer lassen, um die Nachricht der App zu verwenden.</translation>
    </message>
</context>
<context>
    <name>quillon::WidgetFamily</name>
    <message>
        <location filename="../widget_plugin/widget_plugin.cpp" line="+23"/>
        <source>Small</source>
        <extracomment>A widget&apos;s size, in its menu and in the gallery</extracomment>
        <translation>Klein</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Large</source>
        <extracomment>A widget&apos;s size, in its menu and in the gallery</extracomment>
        <translation>Groß</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Extra Large</source>
        <extracomment>A widget&apos;s size, in its menu and in the gallery</extracomment>
        <translation>Sehr groß</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Medium</source>
        <extracomment>A widget&apos;s size, in its menu and in the gallery</extracomment>
        <translation>Mittel</translation>
    </message>
</context>
<context>
    <name>quillon::WidgetHostBus</name>
    <message>
        <location filename="../platform/session_bus/widget_host_bus.cpp" line="+28"/>
        <source>Quillon Widgets is not installed for this session: the session bus has no service com.quillon.WidgetHost.</source>
        <extracomment>Why a widget could not be placed: the session bus knows no widget host</extracomment>
        <translation>Quillon Widgets ist für diese Sitzung nicht installiert: Auf dem Sitzungsbus gibt es keinen Dienst com.quillon.WidgetHost.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quillon Widgets could not start (%1). Run quillon-widgets in a terminal to see why.</source>
        <extracomment>Why a widget could not be placed; %1 is the session bus&apos;s own words, such as &quot;Process com.quillon.WidgetHost exited with status 1&quot;</extracomment>
        <translation>Quillon Widgets konnte nicht gestartet werden (%1). Führen Sie quillon-widgets in einem Terminal aus, um die Ursache zu sehen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quillon Widgets did not answer.</source>
        <extracomment>Why a widget could not be placed: the widget host took too long</extracomment>
        <translation>Quillon Widgets hat nicht geantwortet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quillon Widgets could not be reached: %1 (%2).</source>
        <extracomment>Why a widget could not be placed; %1 is the session bus&apos;s error, %2 its words</extracomment>
        <translation>Quillon Widgets konnte nicht erreicht werden: %1 (%2).</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>There is no session bus to reach Quillon Widgets on.</source>
        <extracomment>Why a widget could not be placed</extracomment>
        <translation>Es gibt keinen Sitzungsbus, über den Quillon Widgets erreichbar wäre.</translation>
    </message>
</context>
<context>
    <name>quillon::widgethost::LiveWidget</name>
    <message>
        <location filename="../widgethost/host/live_widget.cpp" line="+151"/>
        <source>Edit Widget…</source>
        <translation>Widget bearbeiten…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Size</source>
        <extracomment>The submenu, or the heading, of a widget&apos;s sizes</extracomment>
        <translation>Größe</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Remove Widget</source>
        <translation>Widget entfernen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Edit Widgets…</source>
        <extracomment>Opens the gallery, where widgets are added</extracomment>
        <translation>Widgets bearbeiten…</translation>
    </message>
</context>
<context>
    <name>quillon::widgethost::PlacedWidgetsPanel</name>
    <message>
        <location filename="../widgethost/settings/placed_widgets_panel.cpp" line="+37"/>
        <source>%1, %2</source>
        <extracomment>A placed widget in the list of them: %1 its name, such as &quot;Clock&quot;; %2 its size</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, %2, on %3</source>
        <extracomment>A placed widget in the list of them: %1 its name; %2 its size; %3 its screen, such as HDMI-1</extracomment>
        <translation>%1, %2, auf %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 — %2</source>
        <extracomment>A placed widget in the list of them: %1 what it is, as &quot;Clock, Medium&quot;; %2 what it shows now</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+5"/>
        <source>Placed Widgets</source>
        <extracomment>The heading of the list of widgets on the desktop, in the gallery</extracomment>
        <translation>Platzierte Widgets</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>No widget is on the desktop yet. Add one below.</source>
        <translation>Noch ist kein Widget auf dem Desktop. Fügen Sie unten eines hinzu.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Move to Screen</source>
        <extracomment>The button that opens a menu of the screens the chosen widget can be moved to</extracomment>
        <translation>Auf Bildschirm verschieben</translation>
    </message>
</context>
<context>
    <name>quillon::widgethost::WidgetEditor</name>
    <message>
        <location filename="../widgethost/editor/widget_editor.cpp" line="+115"/>
        <source>Set</source>
        <extracomment>Beside a date and time that may be left unset: checked, the date counts</extracomment>
        <translation>Festlegen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Set %1</source>
        <extracomment>The &quot;Set&quot; check box&apos;s name for screen readers; %1 is the date&apos;s title, such as &quot;Date&quot;.</extracomment>
        <translation>%1 festlegen</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>%1 — %2</source>
        <extracomment>An entry of a list to choose from, such as a city and its country</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Default</source>
        <extracomment>In a list to choose one entry from, such as a city: none, so that the widget uses its default</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Search %1</source>
        <extracomment>A search field&apos;s name for screen readers; %1 is what it searches, such as &quot;Cities&quot;.</extracomment>
        <translation>%1 durchsuchen</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Drag, or press Alt+Up or Alt+Down, to change the order.</source>
        <extracomment>Over a list of check boxes whose order counts, such as cities</extracomment>
        <translation>Zum Ändern der Reihenfolge ziehen oder Alt+Pfeil nach oben bzw. Alt+Pfeil nach unten drücken.</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Clear</source>
        <extracomment>Empties a setting whose default is no value</extracomment>
        <translation>Leeren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear %1</source>
        <extracomment>For the button that empties a setting, %1 being the setting&apos;s name</extracomment>
        <translation>%1 leeren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reset</source>
        <extracomment>Puts a setting back to its default</extracomment>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset %1</source>
        <extracomment>For the button that puts a setting back to its default, %1 being the setting&apos;s name</extracomment>
        <translation>%1 zurücksetzen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Leave %1 empty</source>
        <extracomment>%1 is a setting&apos;s name</extracomment>
        <translation>%1 leer lassen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Back to “%1”</source>
        <extracomment>%1 is the name of the choice a setting goes back to</extracomment>
        <translation>Zurück zu „%1“</translation>
    </message>
</context>
<context>
    <name>quillon::widgethost::WidgetHost</name>
    <message>
        <location filename="../widgethost/settings/widget_gallery.cpp" line="+31"/>
        <source>Add Small</source>
        <extracomment>The gallery&apos;s button that adds the widget at its small size</extracomment>
        <translation>Als „Klein“ hinzufügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add Large</source>
        <extracomment>The gallery&apos;s button that adds the widget at its large size</extracomment>
        <translation>Als „Groß“ hinzufügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add Extra Large</source>
        <extracomment>The gallery&apos;s button that adds the widget at its extra large size</extracomment>
        <translation>Als „Sehr groß“ hinzufügen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add Medium</source>
        <extracomment>The gallery&apos;s button that adds the widget at its medium size</extracomment>
        <translation>Als „Mittel“ hinzufügen</translation>
    </message>
    <message>
        <location filename="../widgethost/host/widget_host.cpp" line="+33"/>
        <source>top left</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, top left of screen HDMI-1&quot;</extracomment>
        <translation>oben links</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>top</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, top of screen HDMI-1&quot;</extracomment>
        <translation>oben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>top right</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, top right of screen HDMI-1&quot;</extracomment>
        <translation>oben rechts</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>left</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, left of screen HDMI-1&quot;</extracomment>
        <translation>links</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>middle</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, middle of screen HDMI-1&quot;</extracomment>
        <translation>in der Mitte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>right</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, right of screen HDMI-1&quot;</extracomment>
        <translation>rechts</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bottom left</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, bottom left of screen HDMI-1&quot;</extracomment>
        <translation>unten links</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bottom</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, bottom of screen HDMI-1&quot;</extracomment>
        <translation>unten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>bottom right</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, bottom right of screen HDMI-1&quot;</extracomment>
        <translation>unten rechts</translation>
    </message>
    <message>
        <location line="+41"/>
        <location line="+47"/>
        <location line="+155"/>
        <source>Quillon Widgets</source>
        <translation>Quillon Widgets</translation>
    </message>
    <message>
        <location line="-200"/>
        <source>The gallery and the widgets&apos; settings cannot open: %1 cannot be started. Installing Quillon again brings it back.</source>
        <extracomment>When the gallery or a widget&apos;s editor cannot open; %1 is the missing program&apos;s file</extracomment>
        <translation>Die Galerie und die Einstellungen der Widgets lassen sich nicht öffnen: %1 kann nicht gestartet werden. Installieren Sie Quillon erneut, um es wiederherzustellen.</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>No widget plug-in is installed in %1, so there is no widget to place. Installing Quillon again brings it back.</source>
        <extracomment>%1 is the folder the widget plug-ins are looked for in</extracomment>
        <translation>In %1 ist kein Widget-Plug-in installiert, daher gibt es kein Widget zum Platzieren. Wenn Sie Quillon erneut installieren, ist es wieder da.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The %1 widget does not come in the size %2.</source>
        <extracomment>%1 is a widget&apos;s name, such as &quot;Clock&quot;; %2 a size, such as &quot;Extra Large&quot;</extracomment>
        <translation>Das Widget „%1“ gibt es nicht in der Größe „%2“.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 widgets are placed, the most there can be. Remove one to place another.</source>
        <extracomment>%1 is the most widgets there can be on the desktop, 1,000</extracomment>
        <translation>Es sind %1 Widgets platziert, mehr sind nicht möglich. Entfernen Sie eines, um ein weiteres zu platzieren.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The widget was not placed, as it could not be saved: %1.</source>
        <extracomment>%1 says why, as in &quot;the folder ~/.config/quillon is read-only&quot;</extracomment>
        <translation>Das Widget wurde nicht platziert, da es nicht gespeichert werden konnte: %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Placed the %1 widget on your desktop, %2.</source>
        <extracomment>%1 is a widget&apos;s name, such as &quot;Clock&quot;; %2 where on the screen, such as &quot;top left&quot;</extracomment>
        <translation>Das Widget „%1“ wurde %2 auf Ihrem Desktop platziert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Placed the %1 widget on your desktop, %2 of screen %3.</source>
        <extracomment>%1 is a widget&apos;s name, such as &quot;Clock&quot;; %2 where on the screen, such as &quot;top left&quot;; %3 the screen&apos;s name, such as HDMI-1</extracomment>
        <translation>Das Widget „%1“ wurde auf Ihrem Desktop platziert, %2 auf Bildschirm %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No widget plug-in has a widget of the kind “%1”.</source>
        <extracomment>%1 is the kind of widget asked for, as the program names it</extracomment>
        <translation>Kein Widget-Plug-in enthält ein Widget der Art „%1“.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No widget plug-in was found in %1, so no widget can be shown. Your placed widgets are kept and come back once it is there.</source>
        <extracomment>%1 is the folder the widget plug-ins are looked for in</extracomment>
        <translation>In %1 wurde kein Widget-Plug-in gefunden, daher kann kein Widget angezeigt werden. Ihre platzierten Widgets bleiben erhalten und erscheinen wieder, sobald es vorhanden ist.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your placed widgets could not be read: %1. The file is kept as %2, and the desktop started without them.</source>
        <extracomment>%1 says why, as in &quot;~/.config/quillon/widgets.json is damaged&quot;; %2 where the file is kept</extracomment>
        <translation>Ihre platzierten Widgets konnten nicht gelesen werden: %1. Die Datei wurde als %2 aufbewahrt, und der Desktop wurde ohne sie gestartet.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your placed widgets could not be read: %1. The file is left as it is, and nothing is saved over it.</source>
        <extracomment>%1 says why, as in &quot;~/.config/quillon/widgets.json may not be read&quot;</extracomment>
        <translation>Ihre platzierten Widgets konnten nicht gelesen werden: %1. Die Datei bleibt unverändert und wird nicht überschrieben.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The last change to your widgets could not be saved: %1.</source>
        <extracomment>%1 says why, as in &quot;the folder ~/.config/quillon is read-only&quot;</extracomment>
        <translation>Die letzte Änderung an Ihren Widgets konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <location filename="../widgethost/settings/widget_gallery.cpp" line="+9"/>
        <source>Edit Widgets</source>
        <extracomment>The gallery&apos;s title: the widgets there are added to the desktop</extracomment>
        <translation>Widgets bearbeiten</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Status</source>
        <extracomment>The gallery&apos;s note, for screen readers: what the last Add did, or what stands in the way</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1, %2</source>
        <extracomment>A size&apos;s picture in the gallery, for screen readers: the widget&apos;s name, then the size.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location filename="../widgethost/host/widget_host.cpp" line="+262"/>
        <source>There is no widget size “%1”.</source>
        <extracomment>%1 is the size asked for, as the program names it</extracomment>
        <translation>Es gibt keine Widget-Größe „%1“.</translation>
    </message>
</context>
<context>
    <name>quillon::widgethost::WidgetWindow</name>
    <message>
        <location filename="../widgethost/desktops/widget_accessibility.cpp" line="+29"/>
        <source>%1: %2</source>
        <extracomment>A widget on the desktop, for screen readers: %1 its name, such as &quot;Clock&quot;; %2 what it shows now</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
