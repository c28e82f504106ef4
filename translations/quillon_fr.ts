<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>quillon::BoardCityList</name>
    <message>
        <location filename="../studio/inspector/board_city_list.cpp" line="+21"/>
        <source>Cities</source>
        <translation>Villes</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Remove %1</source>
        <extracomment>Removes a city from the world board. %1 is the city&apos;s name.</extracomment>
        <translation>Retirer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Move Up</source>
        <comment>move a city up the board</comment>
        <translation>Monter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Move Down</source>
        <comment>move a city down the board</comment>
        <translation>Descendre</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remove</source>
        <comment>take a city off the board</comment>
        <translation>Retirer</translation>
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
        <translation>Barcelone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mumbai</source>
        <comment>a city in India</comment>
        <translation>Bombay</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Delhi</source>
        <comment>the capital of India</comment>
        <translation>New Delhi</translation>
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
        <translation>Pékin</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>en</source>
        <comment>language code</comment>
        <extracomment>The code of this catalogue&apos;s language, as ICU names languages (&quot;de&quot;, &quot;fr&quot;, &quot;es&quot;, &quot;ja&quot;): the names of cities and countries are taken from ICU in that language.</extracomment>
        <translation>fr</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Local</source>
        <comment>the computer&apos;s own city, when its zone has no city</comment>
        <translation>Heure locale</translation>
    </message>
</context>
<context>
    <name>quillon::CityPicker</name>
    <message>
        <location filename="../studio/inspector/city_picker.cpp" line="+66"/>
        <location line="+1"/>
        <source>Search cities or countries</source>
        <translation>Rechercher une ville ou un pays</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cities</source>
        <translation>Villes</translation>
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
        <translation>&lt;b&gt;Aucun résultat pour «&#xa0;%1&#xa0;»&lt;/b&gt;&lt;br&gt;&lt;br&gt;Vérifiez l&apos;orthographe ou lancez une nouvelle recherche.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n cities</source>
        <extracomment>How many cities a search found, as screen readers say it and the list&apos;s description</extracomment>
        <translation>
            <numerusform>%n ville</numerusform>
            <numerusform>%n villes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No results</source>
        <translation>Aucun résultat</translation>
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
        <translation>Heure</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Quick dates</source>
        <translation>Raccourcis de date</translation>
    </message>
</context>
<context>
    <name>quillon::DisplayNames</name>
    <message>
        <location filename="../names/display_names.cpp" line="+20"/>
        <source>World Board</source>
        <comment>widget kind</comment>
        <translation>Tableau des villes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clock</source>
        <comment>widget kind</comment>
        <translation>Horloge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Day</source>
        <comment>widget kind</comment>
        <translation>Jour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Progress</source>
        <comment>widget kind</comment>
        <translation>Progression</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Countdown</source>
        <comment>widget kind</comment>
        <translation>Compte à rebours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sign</source>
        <comment>widget kind</comment>
        <translation>Panneau</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Small</source>
        <comment>display size</comment>
        <translation>Petit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medium</source>
        <comment>display size</comment>
        <translation>Moyen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Large</source>
        <comment>display size</comment>
        <translation>Grand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extra Large</source>
        <comment>display size</comment>
        <translation>Très grand</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Day</source>
        <comment>progress period</comment>
        <translation>Jour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Week</source>
        <comment>progress period</comment>
        <translation>Semaine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Month</source>
        <comment>progress period</comment>
        <translation>Mois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Year</source>
        <comment>progress period</comment>
        <translation>Année</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Midnight</source>
        <comment>colour theme</comment>
        <translation>Minuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obsidian</source>
        <comment>colour theme</comment>
        <translation>Obsidienne</translation>
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
        <translation>Citron</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sky</source>
        <comment>colour theme</comment>
        <translation>Ciel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amber</source>
        <comment>colour theme</comment>
        <translation>Ambre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Phosphor</source>
        <comment>colour theme</comment>
        <translation>Phosphore</translation>
    </message>
    <message>
        <location filename="../names/city_display_names.cpp" line="+16"/>
        <source>This Computer</source>
        <comment>the country of the computer&apos;s own city</comment>
        <translation>Cet ordinateur</translation>
    </message>
</context>
<context>
    <name>quillon::DotTextNotes</name>
    <message>
        <location filename="../names/dot_text_notes.cpp" line="+41"/>
        <source>Letters A to Z without accents, numbers, $ € £ ¥ ₹ and ! ? % &amp; # + - / : . , are shown; anything else becomes a space.</source>
        <translation>Les lettres de A à Z sans accents, les chiffres, $ € £ ¥ ₹ et ! ? % &amp; # + - / : . , s&apos;affichent&#xa0;; tout autre caractère devient une espace.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>None of these characters show on the dots.</source>
        <translation>Aucun de ces caractères ne s&apos;affiche en points.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The dots show this as “%1”.</source>
        <extracomment>%1 is the text as the dots show it, in capitals, with accents dropped and other characters as spaces. Use the quotation marks of the language.</extracomment>
        <translation>En points, cela s&apos;affiche ainsi&#xa0;: «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>quillon::HowToAddView</name>
    <message>
        <location filename="../studio/window/how_to_add_view.cpp" line="+80"/>
        <location line="+4"/>
        <source>Add a widget to your desktop</source>
        <translation>Ajouter un widget à votre bureau</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Widgets live on your desktop, drawn by Quillon Widgets.</source>
        <translation>Les widgets s&apos;affichent sur votre bureau, dessinés par Quillon Widgets.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Click **Place on Desktop** below, or open **Quillon Widgets** and choose **Edit Widgets…**</source>
        <extracomment>Text between ** and ** is shown in bold. &quot;Place on Desktop&quot; is the button below the steps; &quot;Edit Widgets…&quot; is an item of the Quillon Widgets menu.</extracomment>
        <translation>Cliquez sur **Placer sur le bureau** ci-dessous, ou ouvrez **Quillon Widgets** et choisissez **Modifier les widgets…**</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pick a widget and a size.</source>
        <translation>Choisissez un widget et une taille.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drag it where you want it.</source>
        <translation>Faites-le glisser où vous le souhaitez.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Placed widgets follow the settings in this app and update as you change them. Click a widget to jump back here; use **Edit Widget** on its right-click menu only to give one widget its own settings.</source>
        <extracomment>Text between ** and ** is shown in bold. &quot;Edit Widget&quot; is an item of a placed widget&apos;s right-click menu.</extracomment>
        <translation>Les widgets placés suivent les réglages de cette application et se mettent à jour quand vous les modifiez. Cliquez sur un widget pour revenir ici&#xa0;; n&apos;utilisez **Modifier le widget** dans son menu contextuel que pour donner à un widget ses propres réglages.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Place on Desktop</source>
        <translation>Placer sur le bureau</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Placing the widget…</source>
        <extracomment>Shown in the how-to popover while the desktop is asked to place the widget</extracomment>
        <translation>Placement du widget…</translation>
    </message>
</context>
<context>
    <name>quillon::InspectorTexts</name>
    <message>
        <location filename="../studio/inspector/inspector_texts.cpp" line="+59"/>
        <source>Times across your cities, departures-board style.</source>
        <translation>L&apos;heure de vos villes, façon tableau des départs.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One city&apos;s time in big dots.</source>
        <translation>L&apos;heure d&apos;une ville en gros points.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Today&apos;s date with a bar for how much of it is left.</source>
        <translation>La date du jour, avec une barre pour ce qu&apos;il en reste.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How far through the day, week, month or year you are.</source>
        <translation>Où vous en êtes de la journée, de la semaine, du mois ou de l&apos;année.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Days, hours and minutes until something.</source>
        <translation>Les jours, heures et minutes avant un événement.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your own message on a dot display.</source>
        <translation>Votre propre message sur un affichage à points.</translation>
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
        <translation>%1. Cette date est passée&#xa0;; choisissez-en une autre.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 · today</source>
        <extracomment>The countdown&apos;s date is later today. %1 is the date and time.</extracomment>
        <translation>%1 · aujourd&apos;hui</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%1 · in %n days</source>
        <extracomment>How many calendar days until the countdown&apos;s date. %1 is the date and time.</extracomment>
        <translation>
            <numerusform>%1 · dans %n jour</numerusform>
            <numerusform>%1 · dans %n jours</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../studio/inspector/inspector_texts.h" line="+44"/>
        <source>Long titles wrap onto more lines with smaller dots.</source>
        <translation>Les titres longs passent sur plusieurs lignes, avec des points plus petits.</translation>
    </message>
</context>
<context>
    <name>quillon::InspectorView</name>
    <message>
        <location filename="../studio/inspector/inspector_view.cpp" line="+48"/>
        <source>Widget Settings</source>
        <translation>Réglages du widget</translation>
    </message>
    <message>
        <location filename="../studio/inspector/world_board_settings.cpp" line="+20"/>
        <source>Cities</source>
        <translation>Villes</translation>
    </message>
    <message>
        <location filename="../studio/inspector/inspector_view.cpp" line="+116"/>
        <location filename="../studio/inspector/world_board_settings.cpp" line="+5"/>
        <source>Add City</source>
        <translation>Ajouter une ville</translation>
    </message>
    <message>
        <location filename="../studio/inspector/world_board_settings.cpp" line="+9"/>
        <source>Drag to reorder. Medium shows 4 rows, Large 8, Extra Large 7.</source>
        <translation>Faites glisser pour changer l&apos;ordre. Le format Moyen affiche 4&#xa0;lignes, Grand&#xa0;8 et Très grand&#xa0;7.</translation>
    </message>
    <message>
        <location filename="../studio/inspector/clock_settings.cpp" line="+19"/>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change…</source>
        <comment>pick another city for the clock</comment>
        <translation>Changer…</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../studio/inspector/inspector_view.cpp" line="+13"/>
        <source>Change City</source>
        <translation>Changer de ville</translation>
    </message>
    <message>
        <location filename="../studio/inspector/use_24h_toggle.cpp" line="+17"/>
        <source>24-hour time</source>
        <translation>Format 24 heures</translation>
    </message>
    <message>
        <location filename="../studio/inspector/progress_settings.cpp" line="+19"/>
        <location line="+10"/>
        <source>Period</source>
        <comment>what a progress display measures</comment>
        <translation>Période</translation>
    </message>
    <message>
        <location filename="../studio/inspector/countdown_settings.cpp" line="+32"/>
        <location line="+6"/>
        <source>Title</source>
        <comment>a countdown&apos;s title</comment>
        <translation>Titre</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>New Year</source>
        <comment>an example countdown title</comment>
        <extracomment>The dots show only letters A to Z without accents, numbers and a few signs: an example they show right, such as a holiday&apos;s name written in those letters.</extracomment>
        <translation>Nouvel An</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Counting down to</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../studio/inspector/inspector_view.cpp" line="+7"/>
        <source>Date</source>
        <comment>when a countdown ends</comment>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../studio/inspector/sign_settings.cpp" line="+15"/>
        <location line="+3"/>
        <source>Message</source>
        <comment>the text a sign shows</comment>
        <translation>Message</translation>
    </message>
    <message>
        <location filename="../studio/inspector/sync_note.cpp" line="+26"/>
        <source>Desktop widgets follow these settings.</source>
        <translation>Les widgets du bureau suivent ces réglages.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>To give one widget its own theme or city, right-click it on the desktop and choose Edit Widget.</source>
        <translation>Pour donner à un widget son propre thème ou sa propre ville, faites un clic droit dessus sur le bureau et choisissez Modifier le widget.</translation>
    </message>
</context>
<context>
    <name>quillon::Lampworks</name>
    <message>
        <location filename="../lampwork/lampwork_widgets.cpp" line="+25"/>
        <source>Times across your cities, departures-board style.</source>
        <translation>L&apos;heure de vos villes, façon tableau des départs.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One city&apos;s time in big dots.</source>
        <translation>L&apos;heure d&apos;une ville en gros points.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Today&apos;s date with a bar for how much of it is left.</source>
        <translation>La date du jour, avec une barre pour ce qu&apos;il en reste.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How far through the day, week, month or year you are.</source>
        <translation>Où vous en êtes de la journée, de la semaine, du mois ou de l&apos;année.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Days, hours and minutes until something.</source>
        <translation>Les jours, heures et minutes avant un événement.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your own message on a dot display.</source>
        <translation>Votre propre message sur un affichage à points.</translation>
    </message>
</context>
<context>
    <name>quillon::MonthCalendar</name>
    <message>
        <location filename="../studio/dates/month_calendar.cpp" line="+47"/>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Today</source>
        <comment>calendar button: go to this month</comment>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
</context>
<context>
    <name>quillon::QuickDate</name>
    <message>
        <location filename="../studio/dates/quick_date.cpp" line="+45"/>
        <source>Tomorrow, 9 AM</source>
        <translation>Demain, 9 h</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A week from now</source>
        <translation>Dans une semaine</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End of this month</source>
        <translation>Fin du mois</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Year&apos;s Day</source>
        <translation>Jour de l&apos;An</translation>
    </message>
</context>
<context>
    <name>quillon::SelfUpdater</name>
    <message>
        <location filename="../updater/self_updater.cpp" line="+53"/>
        <source>There is not enough space on the disk to download the update to %1.</source>
        <translation>Il n&apos;y a pas assez d&apos;espace sur le disque pour télécharger la mise à jour dans %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The update could not be saved in %1: %2</source>
        <translation>La mise à jour n&apos;a pas pu être enregistrée dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+166"/>
        <source>The update feed&apos;s address is not a secure (https) address.</source>
        <translation>L&apos;adresse du flux de mises à jour n&apos;est pas une adresse sécurisée (https).</translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>The update server did not send the update feed within %n second(s).</source>
        <comment>the feed&apos;s deadline</comment>
        <translation>
            <numerusform>Le serveur de mises à jour n&apos;a pas envoyé le flux de mises à jour en %n&#xa0;seconde.</numerusform>
            <numerusform>Le serveur de mises à jour n&apos;a pas envoyé le flux de mises à jour en %n&#xa0;secondes.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The update feed is larger than any feed of this program.</source>
        <translation>Le flux de mises à jour est plus volumineux que ne peut l&apos;être un flux de cette application.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The update server could not be reached: %1</source>
        <translation>Le serveur de mises à jour est injoignable&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The update feed could not be read.</source>
        <translation>Le flux de mises à jour n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>The update is larger than any release of this program.</source>
        <translation>La mise à jour est plus volumineuse que ne peut l&apos;être une version de cette application.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The update&apos;s download address is not a secure (https) address.</source>
        <translation>L&apos;adresse de téléchargement de la mise à jour n&apos;est pas une adresse sécurisée (https).</translation>
    </message>
    <message numerus="yes">
        <location line="-254"/>
        <source>The download was too slow to finish within %n minute(s).</source>
        <comment>the download&apos;s deadline</comment>
        <translation>
            <numerusform>Le téléchargement était trop lent pour se terminer en %n&#xa0;minute.</numerusform>
            <numerusform>Le téléchargement était trop lent pour se terminer en %n&#xa0;minutes.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The download is larger than the update feed says it is.</source>
        <translation>Le fichier téléchargé est plus volumineux que ne l&apos;indique le flux de mises à jour.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The update could not be downloaded: %1</source>
        <translation>La mise à jour n&apos;a pas pu être téléchargée&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The download is not the size the update feed gives for it.</source>
        <translation>Le fichier téléchargé n&apos;a pas la taille indiquée par le flux de mises à jour.</translation>
    </message>
</context>
<context>
    <name>quillon::SettingsView</name>
    <message>
        <location filename="../studio/window/settings_view.cpp" line="+42"/>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatically check for updates</source>
        <translation>Rechercher automatiquement les mises à jour</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Last checked</source>
        <translation>Dernière vérification</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check Now</source>
        <translation>Vérifier maintenant</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>This is a development build, which doesn&apos;t update itself. Copies downloaded from %1 check for updates automatically.</source>
        <extracomment>%1 is the host name of the product&apos;s web site.</extracomment>
        <translation>Ceci est un build de développement, qui ne se met pas à jour de lui-même. Les copies téléchargées depuis %1 recherchent automatiquement les mises à jour.</translation>
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
        <translation>Jamais</translation>
    </message>
</context>
<context>
    <name>quillon::SizePicker</name>
    <message>
        <location filename="../studio/stage/control_bar.cpp" line="+60"/>
        <source>Size</source>
        <comment>display size</comment>
        <translation>Taille</translation>
    </message>
</context>
<context>
    <name>quillon::StoreReport</name>
    <message>
        <location filename="../platform/translations/store_report_text.cpp" line="+27"/>
        <source>the folder %1 is read-only</source>
        <extracomment>Why a settings file could not be saved; %1 is a folder such as ~/.config/quillon</extracomment>
        <translation>le dossier %1 est en lecture seule</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the disk that holds %1 is full</source>
        <extracomment>Why a settings file could not be saved; %1 is a folder such as ~/.config/quillon</extracomment>
        <translation>le disque qui contient %1 est plein</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the folder %1 belongs to another user</source>
        <extracomment>Why a settings file could not be saved; %1 is a folder such as ~/.config/quillon</extracomment>
        <translation>le dossier %1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a folder</source>
        <extracomment>Why a settings file could not be saved: a file stands where the folder %1 should be</extracomment>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 may not be read</source>
        <extracomment>Why a settings file could not be read; %1 is the file, such as ~/.config/quillon/widgets.json</extracomment>
        <translation>la lecture de %1 n&apos;est pas autorisée</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is damaged</source>
        <extracomment>Why a settings file could not be read; %1 is the file, such as ~/.config/quillon/widgets.json</extracomment>
        <translation>%1 est endommagé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is larger than a settings file may be</source>
        <extracomment>Why a settings file could not be read or saved; %1 is the file</extracomment>
        <translation>%1 dépasse la taille permise pour un fichier de réglages</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>they hold text or a date that cannot be written down</source>
        <extracomment>Why the settings could not be saved</extracomment>
        <translation>certains textes ou certaines dates ne peuvent pas être enregistrés</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the system refused to write %1 (%2)</source>
        <extracomment>Why a settings file could not be saved; %1 is the file or folder, %2 the system&apos;s reason</extracomment>
        <translation>le système a refusé d&apos;écrire dans %1 (%2)</translation>
    </message>
</context>
<context>
    <name>quillon::StudioWindow</name>
    <message>
        <location filename="../studio/window/studio_window.cpp" line="+54"/>
        <source>Quillon support</source>
        <extracomment>The subject of a new mail to Quillon&apos;s support, in the user&apos;s mail program</extracomment>
        <translation>Assistance Quillon</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Your changes could not be saved: %1. The settings file is unchanged; your next change is saved once it can be.</source>
        <extracomment>The note under the window when a change could not be saved; %1 says why, as in &quot;the folder ~/.config/quillon is read-only&quot;</extracomment>
        <translation>Vos modifications n&apos;ont pas pu être enregistrées&#xa0;: %1. Le fichier de réglages n&apos;a pas été modifié&#xa0;; votre prochaine modification sera enregistrée dès que ce sera possible.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Your saved settings could not be read: %1. The studio started with the defaults, and kept the file as %2.</source>
        <extracomment>The note under the window when the saved settings could not be read at start; %1 says why, %2 is where the unreadable file was moved</extracomment>
        <translation>Vos réglages enregistrés n&apos;ont pas pu être lus&#xa0;: %1. L&apos;application a démarré avec les réglages par défaut et a conservé le fichier sous %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Your saved settings could not be read: %1. The studio started with the defaults and leaves the file as it is.</source>
        <extracomment>The note under the window when the saved settings could not be read at start and could not be moved aside; %1 says why</extracomment>
        <translation>Vos réglages enregistrés n&apos;ont pas pu être lus&#xa0;: %1. L&apos;application a démarré avec les réglages par défaut et laisse le fichier tel quel.</translation>
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
        <translation>Ajouter au bureau</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>More Tools</source>
        <translation>Plus d&apos;outils</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+17"/>
        <location line="+80"/>
        <location line="+4"/>
        <source>Full View</source>
        <translation>Vue agrandie</translation>
    </message>
    <message>
        <location line="-100"/>
        <location line="+99"/>
        <source>Show the widget big, without panels</source>
        <translation>Afficher le widget en grand, sans les volets</translation>
    </message>
    <message>
        <location line="-97"/>
        <source>Widget Settings</source>
        <translation>Réglages du widget</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide widget settings</source>
        <translation>Afficher ou masquer les réglages du widget</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+93"/>
        <source>Hide Sidebar</source>
        <translation>Masquer la barre latérale</translation>
    </message>
    <message>
        <location line="-90"/>
        <location line="+88"/>
        <source>Hide Widget Settings</source>
        <translation>Masquer les réglages du widget</translation>
    </message>
    <message>
        <location line="-83"/>
        <source>Placed Widgets…</source>
        <extracomment>Opens the list of the widgets on the desktop, where each is edited, resized, moved or removed</extracomment>
        <translation>Widgets placés…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Placed Widgets</source>
        <translation>Widgets placés</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How to Add Widgets</source>
        <translation>Comment ajouter des widgets</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillon Website</source>
        <translation>Site web de Quillon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contact Support…</source>
        <translation>Contacter l&apos;assistance…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Privacy Policy</source>
        <translation>Politique de confidentialité</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+3"/>
        <source>About Quillon</source>
        <translation>À propos de Quillon</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;b&gt;Quillon&lt;/b&gt;&lt;br&gt;Version %1 (%2)&lt;br&gt;&lt;br&gt;Dot-matrix displays for your desktop.&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;%4&lt;/a&gt;</source>
        <extracomment>%1 is the version, %2 the build number, %3 the web site&apos;s address and %4 its host name.</extracomment>
        <translation>&lt;b&gt;Quillon&lt;/b&gt;&lt;br&gt;Version %1 (%2)&lt;br&gt;&lt;br&gt;Des affichages à matrice de points pour votre bureau.&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;%4&lt;/a&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Settings…</source>
        <translation>Réglages…</translation>
    </message>
    <message>
        <location line="+25"/>
        <location line="+4"/>
        <source>Exit Full View</source>
        <translation>Quitter la vue agrandie</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Exit full view (Esc)</source>
        <translation>Quitter la vue agrandie (Échap)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show Widget Settings</source>
        <translation>Afficher les réglages du widget</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show Sidebar</source>
        <translation>Afficher la barre latérale</translation>
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
        <translation>%1 ajouté au tableau des villes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 removed from the board</source>
        <extracomment>Said to screen readers when a city leaves the world board; %1 is the city</extracomment>
        <translation>%1 retiré du tableau des villes</translation>
    </message>
</context>
<context>
    <name>quillon::UpdateInstaller</name>
    <message>
        <location filename="../updater/update_installer.cpp" line="+105"/>
        <source>There is not enough space on the disk to unpack the update in %1.</source>
        <translation>Il n&apos;y a pas assez d&apos;espace sur le disque pour décompresser la mise à jour dans %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+112"/>
        <source>The update could not be unpacked in %1: %2.</source>
        <translation>La mise à jour n&apos;a pas pu être décompressée dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="-26"/>
        <location line="+179"/>
        <source>Installing the update was stopped.</source>
        <translation>L&apos;installation de la mise à jour a été interrompue.</translation>
    </message>
    <message>
        <location line="-178"/>
        <source>The download could not be read: %1</source>
        <translation>Le fichier téléchargé n&apos;a pas pu être lu&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The update could not be unpacked: %1.</source>
        <translation>La mise à jour n&apos;a pas pu être décompressée&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The update holds something no release of this program has (%1): only files, folders and links inside the release are taken.</source>
        <translation>La mise à jour contient un élément qu&apos;aucune version de cette application ne contient (%1)&#xa0;: seuls les fichiers, dossiers et liens situés à l&apos;intérieur de la version sont acceptés.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The update unpacks to more than a release of this program can be (%1).</source>
        <translation>Une fois décompressée, la mise à jour dépasse ce que peut contenir une version de cette application (%1).</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>The update does not say which program and version it is, as every release of this program does.</source>
        <translation>La mise à jour n&apos;indique pas de quelle application ni de quelle version il s&apos;agit, comme le fait pourtant chaque version de cette application.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The update is a release of another program (%1).</source>
        <translation>La mise à jour est une version d&apos;une autre application (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The update is build %1, not build %2 as the update feed announced.</source>
        <translation>La mise à jour est le build %1, et non le build %2 annoncé par le flux de mises à jour.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The update is build %1, which is not newer than build %2 that runs now.</source>
        <translation>La mise à jour est le build %1, qui n&apos;est pas plus récent que le build %2 en cours d&apos;exécution.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The update is build %1, which is not newer than build %2 installed already.</source>
        <translation>La mise à jour est le build %1, qui n&apos;est pas plus récent que le build %2 déjà installé.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>it did not say it is build %1</source>
        <translation>elle n&apos;a pas indiqué être le build %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it ended with status %1: %2</source>
        <translation>elle s&apos;est terminée avec le code %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it was ended by signal %1 (%2)</source>
        <translation>elle a été arrêtée par le signal %1 (%2)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it did not answer within %1 seconds</source>
        <translation>elle n&apos;a pas répondu en %1&#xa0;secondes</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The new version does not start on this computer (%1), so it was not installed.</source>
        <translation>La nouvelle version ne démarre pas sur cet ordinateur (%1)&#xa0;; elle n&apos;a donc pas été installée.</translation>
    </message>
    <message>
        <location line="+72"/>
        <location line="+11"/>
        <source>The download is not the size the update feed gives for it.</source>
        <translation>Le fichier téléchargé n&apos;a pas la taille indiquée par le flux de mises à jour.</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>The update&apos;s version cannot name a folder.</source>
        <translation>La version de la mise à jour ne peut pas servir de nom de dossier.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The download is not signed by the publisher of this program.</source>
        <translation>Le fichier téléchargé n&apos;est pas signé par l&apos;éditeur de cette application.</translation>
    </message>
    <message>
        <location line="+167"/>
        <source>Another copy of this program is installing an update into %1 right now.</source>
        <translation>Une autre copie de cette application est en train d&apos;installer une mise à jour dans %1.</translation>
    </message>
    <message>
        <location line="-131"/>
        <source>The download changed while it was being installed.</source>
        <translation>Le fichier téléchargé a été modifié pendant son installation.</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>The update could not be unpacked as a release of this program.</source>
        <translation>La mise à jour n&apos;a pas pu être décompressée en tant que version de cette application.</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>The update holds a link that leads out of the release.</source>
        <translation>La mise à jour contient un lien qui pointe hors de la version.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The update is made for another kind of computer: %1 is not a program for this one.</source>
        <translation>La mise à jour est faite pour un autre type d&apos;ordinateur&#xa0;: %1 n&apos;est pas un programme pour celui-ci.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>The update could not be put beside the installed version: %1</source>
        <translation>La mise à jour n&apos;a pas pu être placée à côté de la version installée&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The update could not be written to the disk in %1: %2.</source>
        <translation>La mise à jour n&apos;a pas pu être écrite sur le disque dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+16"/>
        <source>The new version could not be made current: %1</source>
        <translation>La nouvelle version n&apos;a pas pu être définie comme version active&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>quillon::UpdateWindows</name>
    <message>
        <location filename="../studio/application/update_windows.cpp" line="+68"/>
        <source>Check for updates automatically?</source>
        <translation>Rechercher automatiquement les mises à jour&#xa0;?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Should Quillon automatically check for updates?</source>
        <translation>Quillon doit-il rechercher automatiquement les mises à jour&#xa0;?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You can always check for updates manually from the Help menu, and change this in Settings.</source>
        <translation>Vous pourrez toujours rechercher des mises à jour manuellement depuis le menu Aide, et modifier ce choix dans les Réglages.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Check Automatically</source>
        <translation>Rechercher automatiquement</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Don&apos;t Check</source>
        <translation>Ne pas rechercher</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+92"/>
        <source>Software Update</source>
        <translation>Mise à jour logicielle</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>&lt;b&gt;A new version of Quillon is available!&lt;/b&gt;</source>
        <translation>&lt;b&gt;Une nouvelle version de Quillon est disponible&#xa0;!&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quillon %1 is now available — you have %2. Would you like to install it now?</source>
        <extracomment>%1 is the new version, %2 the version the user has.</extracomment>
        <translation>Quillon %1 est disponible — vous avez la version %2. Voulez-vous l&apos;installer maintenant&#xa0;?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quillon %1 is now available — you have %2. Would you like to open its download page?</source>
        <translation>Quillon %1 est disponible — vous avez la version %2. Voulez-vous ouvrir sa page de téléchargement&#xa0;?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;b&gt;Release Notes:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Notes de version&#xa0;:&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Release Notes</source>
        <translation>Notes de version</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No release notes were given.</source>
        <translation>Aucune note de version n&apos;a été fournie.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Skip This Version</source>
        <translation>Ignorer cette version</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remind Me Later</source>
        <translation>Me le rappeler plus tard</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Install Update</source>
        <translation>Installer la mise à jour</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>You&apos;re up to date!</source>
        <translation>Vous êtes à jour&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillon %1 is currently the newest version available.</source>
        <extracomment>%1 is the version the user has.</extracomment>
        <translation>Quillon %1 est actuellement la version la plus récente.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Downloading the update…</source>
        <translation>Téléchargement de la mise à jour…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Checking and installing the update…</source>
        <translation>Vérification et installation de la mise à jour…</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cancel</source>
        <comment>stops the update under way</comment>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Update Installed</source>
        <translation>Mise à jour installée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillon %1 is installed.</source>
        <extracomment>%1 is the version just installed.</extracomment>
        <translation>Quillon %1 est installé.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Relaunch now to start using it? Otherwise it starts the next time you open Quillon.</source>
        <translation>Relancer maintenant pour commencer à l&apos;utiliser&#xa0;? Sinon, la nouvelle version démarrera la prochaine fois que vous ouvrirez Quillon.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Relaunch Now</source>
        <translation>Relancer maintenant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Later</source>
        <comment>relaunch after an update</comment>
        <translation>Plus tard</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+12"/>
        <source>Update Error!</source>
        <translation>Erreur de mise à jour&#xa0;!</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>%1

The installed version was not changed.</source>
        <extracomment>%1 is what went wrong, as the updater tells it.</extracomment>
        <translation>%1

La version installée n&apos;a pas été modifiée.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The update to build %1 could not start on this computer, so the version you had before is running again.</source>
        <extracomment>%1 is the build that was installed by the last update.</extracomment>
        <translation>La mise à jour vers le build %1 n&apos;a pas pu démarrer sur cet ordinateur&#xa0;; la version que vous aviez auparavant fonctionne donc à nouveau.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>That build is skipped: it is offered again only when you check for updates yourself.</source>
        <translation>Ce build est ignoré&#xa0;: il ne sera proposé à nouveau que si vous recherchez vous-même les mises à jour.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This build doesn&apos;t update itself</source>
        <translation>Ce build ne se met pas à jour de lui-même</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This is a development build of Quillon: it will not replace itself with the version on %1. Copies downloaded from %1 check for updates automatically.</source>
        <extracomment>%1 is the host name of the product&apos;s web site.</extracomment>
        <translation>Ceci est un build de développement de Quillon&#xa0;: il ne se remplacera pas par la version proposée sur %1. Les copies téléchargées depuis %1 recherchent automatiquement les mises à jour.</translation>
    </message>
</context>
<context>
    <name>quillon::WidgetConfiguration</name>
    <message>
        <location filename="../lampwork/widget_configuration.cpp" line="+35"/>
        <source>Same as App</source>
        <translation>Comme l&apos;application</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Cities</source>
        <translation>Villes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave empty to use the app&apos;s cities.</source>
        <translation>Laisser vide pour utiliser les villes de l&apos;application.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave empty to use the app&apos;s city.</source>
        <translation>Laisser vide pour utiliser la ville de l&apos;application.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Title</source>
        <comment>what a countdown counts to</comment>
        <translation>Titre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leave empty to use the app&apos;s title.</source>
        <translation>Laisser vide pour utiliser le titre de l&apos;application.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Date</source>
        <comment>when a countdown ends</comment>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leave empty to use the app&apos;s date.</source>
        <translation>Laisser vide pour utiliser la date de l&apos;application.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave empty to use the app&apos;s message.</source>
        <translation>Laisser vide pour utiliser le message de l&apos;application.</translation>
    </message>
</context>
<context>
    <name>quillon::WidgetFamily</name>
    <message>
        <location filename="../widget_plugin/widget_plugin.cpp" line="+23"/>
        <source>Small</source>
        <extracomment>A widget&apos;s size, in its menu and in the gallery</extracomment>
        <translation>Petit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Large</source>
        <extracomment>A widget&apos;s size, in its menu and in the gallery</extracomment>
        <translation>Grand</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Extra Large</source>
        <extracomment>A widget&apos;s size, in its menu and in the gallery</extracomment>
        <translation>Très grand</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Medium</source>
        <extracomment>A widget&apos;s size, in its menu and in the gallery</extracomment>
        <translation>Moyen</translation>
    </message>
</context>
<context>
    <name>quillon::WidgetHostBus</name>
    <message>
        <location filename="../platform/session_bus/widget_host_bus.cpp" line="+28"/>
        <source>Quillon Widgets is not installed for this session: the session bus has no service com.quillon.WidgetHost.</source>
        <extracomment>Why a widget could not be placed: the session bus knows no widget host</extracomment>
        <translation>Quillon Widgets n&apos;est pas installé pour cette session&#xa0;: le bus de session ne propose aucun service com.quillon.WidgetHost.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quillon Widgets could not start (%1). Run quillon-widgets in a terminal to see why.</source>
        <extracomment>Why a widget could not be placed; %1 is the session bus&apos;s own words, such as &quot;Process com.quillon.WidgetHost exited with status 1&quot;</extracomment>
        <translation>Quillon Widgets n&apos;a pas pu démarrer (%1). Lancez quillon-widgets dans un terminal pour en connaître la raison.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quillon Widgets did not answer.</source>
        <extracomment>Why a widget could not be placed: the widget host took too long</extracomment>
        <translation>Quillon Widgets n&apos;a pas répondu.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quillon Widgets could not be reached: %1 (%2).</source>
        <extracomment>Why a widget could not be placed; %1 is the session bus&apos;s error, %2 its words</extracomment>
        <translation>Quillon Widgets est injoignable&#xa0;: %1 (%2).</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>There is no session bus to reach Quillon Widgets on.</source>
        <extracomment>Why a widget could not be placed</extracomment>
        <translation>Il n&apos;y a aucun bus de session par lequel joindre Quillon Widgets.</translation>
    </message>
</context>
<context>
    <name>quillon::widgethost::LiveWidget</name>
    <message>
        <location filename="../widgethost/host/live_widget.cpp" line="+151"/>
        <source>Edit Widget…</source>
        <translation>Modifier le widget…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Size</source>
        <extracomment>The submenu, or the heading, of a widget&apos;s sizes</extracomment>
        <translation>Taille</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Remove Widget</source>
        <translation>Retirer le widget</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Edit Widgets…</source>
        <extracomment>Opens the gallery, where widgets are added</extracomment>
        <translation>Modifier les widgets…</translation>
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
        <translation>%1, %2, sur %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 — %2</source>
        <extracomment>A placed widget in the list of them: %1 what it is, as &quot;Clock, Medium&quot;; %2 what it shows now</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+5"/>
        <source>Placed Widgets</source>
        <extracomment>The heading of the list of widgets on the desktop, in the gallery</extracomment>
        <translation>Widgets placés</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>No widget is on the desktop yet. Add one below.</source>
        <translation>Aucun widget n&apos;est encore sur le bureau. Ajoutez-en un ci-dessous.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Move to Screen</source>
        <extracomment>The button that opens a menu of the screens the chosen widget can be moved to</extracomment>
        <translation>Déplacer vers l&apos;écran</translation>
    </message>
</context>
<context>
    <name>quillon::widgethost::WidgetEditor</name>
    <message>
        <location filename="../widgethost/editor/widget_editor.cpp" line="+115"/>
        <source>Set</source>
        <extracomment>Beside a date and time that may be left unset: checked, the date counts</extracomment>
        <translation>Définie</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Set %1</source>
        <extracomment>The &quot;Set&quot; check box&apos;s name for screen readers; %1 is the date&apos;s title, such as &quot;Date&quot;.</extracomment>
        <translation>Définir «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>%1 — %2</source>
        <extracomment>An entry of a list to choose from, such as a city and its country</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Default</source>
        <extracomment>In a list to choose one entry from, such as a city: none, so that the widget uses its default</extracomment>
        <translation>Par défaut</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Search %1</source>
        <extracomment>A search field&apos;s name for screen readers; %1 is what it searches, such as &quot;Cities&quot;.</extracomment>
        <translation>Rechercher dans «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Drag, or press Alt+Up or Alt+Down, to change the order.</source>
        <extracomment>Over a list of check boxes whose order counts, such as cities</extracomment>
        <translation>Faites glisser, ou appuyez sur Alt+Haut ou Alt+Bas, pour changer l&apos;ordre.</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Clear</source>
        <extracomment>Empties a setting whose default is no value</extracomment>
        <translation>Effacer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear %1</source>
        <extracomment>For the button that empties a setting, %1 being the setting&apos;s name</extracomment>
        <translation>Effacer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reset</source>
        <extracomment>Puts a setting back to its default</extracomment>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset %1</source>
        <extracomment>For the button that puts a setting back to its default, %1 being the setting&apos;s name</extracomment>
        <translation>Rétablir «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Leave %1 empty</source>
        <extracomment>%1 is a setting&apos;s name</extracomment>
        <translation>Laisser «&#xa0;%1&#xa0;» vide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Back to “%1”</source>
        <extracomment>%1 is the name of the choice a setting goes back to</extracomment>
        <translation>Revenir à «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>quillon::widgethost::WidgetHost</name>
    <message>
        <location filename="../widgethost/settings/widget_gallery.cpp" line="+31"/>
        <source>Add Small</source>
        <extracomment>The gallery&apos;s button that adds the widget at its small size</extracomment>
        <translation>Ajouter en petit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add Large</source>
        <extracomment>The gallery&apos;s button that adds the widget at its large size</extracomment>
        <translation>Ajouter en grand</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add Extra Large</source>
        <extracomment>The gallery&apos;s button that adds the widget at its extra large size</extracomment>
        <translation>Ajouter en très grand</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add Medium</source>
        <extracomment>The gallery&apos;s button that adds the widget at its medium size</extracomment>
        <translation>Ajouter en moyen</translation>
    </message>
    <message>
        <location filename="../widgethost/host/widget_host.cpp" line="+33"/>
        <source>top left</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, top left of screen HDMI-1&quot;</extracomment>
        <translation>en haut à gauche</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>top</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, top of screen HDMI-1&quot;</extracomment>
        <translation>en haut</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>top right</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, top right of screen HDMI-1&quot;</extracomment>
        <translation>en haut à droite</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>left</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, left of screen HDMI-1&quot;</extracomment>
        <translation>à gauche</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>middle</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, middle of screen HDMI-1&quot;</extracomment>
        <translation>au centre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>right</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, right of screen HDMI-1&quot;</extracomment>
        <translation>à droite</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bottom left</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, bottom left of screen HDMI-1&quot;</extracomment>
        <translation>en bas à gauche</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bottom</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, bottom of screen HDMI-1&quot;</extracomment>
        <translation>en bas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>bottom right</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, bottom right of screen HDMI-1&quot;</extracomment>
        <translation>en bas à droite</translation>
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
        <translation>La galerie et les réglages des widgets ne peuvent pas s&apos;ouvrir&#xa0;: %1 ne peut pas être lancé. Réinstallez Quillon pour le rétablir.</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>No widget plug-in is installed in %1, so there is no widget to place. Installing Quillon again brings it back.</source>
        <extracomment>%1 is the folder the widget plug-ins are looked for in</extracomment>
        <translation>Aucun plug-in de widgets n&apos;est installé dans %1&#xa0;; il n&apos;y a donc aucun widget à placer. Réinstallez Quillon pour le rétablir.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The %1 widget does not come in the size %2.</source>
        <extracomment>%1 is a widget&apos;s name, such as &quot;Clock&quot;; %2 a size, such as &quot;Extra Large&quot;</extracomment>
        <translation>Le widget «&#xa0;%1&#xa0;» n&apos;existe pas au format «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 widgets are placed, the most there can be. Remove one to place another.</source>
        <extracomment>%1 is the most widgets there can be on the desktop, 1,000</extracomment>
        <translation>Le maximum de %1&#xa0;widgets placés est atteint. Retirez-en un pour en placer un autre.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The widget was not placed, as it could not be saved: %1.</source>
        <extracomment>%1 says why, as in &quot;the folder ~/.config/quillon is read-only&quot;</extracomment>
        <translation>Le widget n&apos;a pas été placé, car il n&apos;a pas pu être enregistré&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Placed the %1 widget on your desktop, %2.</source>
        <extracomment>%1 is a widget&apos;s name, such as &quot;Clock&quot;; %2 where on the screen, such as &quot;top left&quot;</extracomment>
        <translation>Le widget «&#xa0;%1&#xa0;» a été placé %2 de votre bureau.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Placed the %1 widget on your desktop, %2 of screen %3.</source>
        <extracomment>%1 is a widget&apos;s name, such as &quot;Clock&quot;; %2 where on the screen, such as &quot;top left&quot;; %3 the screen&apos;s name, such as HDMI-1</extracomment>
        <translation>Le widget «&#xa0;%1&#xa0;» a été placé sur votre bureau, %2 de l&apos;écran %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No widget plug-in has a widget of the kind “%1”.</source>
        <extracomment>%1 is the kind of widget asked for, as the program names it</extracomment>
        <translation>Aucun plug-in de widgets ne fournit de widget de type «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No widget plug-in was found in %1, so no widget can be shown. Your placed widgets are kept and come back once it is there.</source>
        <extracomment>%1 is the folder the widget plug-ins are looked for in</extracomment>
        <translation>Aucun plug-in de widgets n&apos;a été trouvé dans %1&#xa0;; aucun widget ne peut donc être affiché. Vos widgets placés sont conservés et réapparaîtront dès que le plug-in sera de retour.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your placed widgets could not be read: %1. The file is kept as %2, and the desktop started without them.</source>
        <extracomment>%1 says why, as in &quot;~/.config/quillon/widgets.json is damaged&quot;; %2 where the file is kept</extracomment>
        <translation>Vos widgets placés n&apos;ont pas pu être lus&#xa0;: %1. Le fichier est conservé sous %2, et le bureau a démarré sans eux.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your placed widgets could not be read: %1. The file is left as it is, and nothing is saved over it.</source>
        <extracomment>%1 says why, as in &quot;~/.config/quillon/widgets.json may not be read&quot;</extracomment>
        <translation>Vos widgets placés n&apos;ont pas pu être lus&#xa0;: %1. Le fichier est laissé tel quel et ne sera pas écrasé.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The last change to your widgets could not be saved: %1.</source>
        <extracomment>%1 says why, as in &quot;the folder ~/.config/quillon is read-only&quot;</extracomment>
        <translation>La dernière modification de vos widgets n&apos;a pas pu être enregistrée&#xa0;: %1.</translation>
    </message>
    <message>
        <location filename="../widgethost/settings/widget_gallery.cpp" line="+9"/>
        <source>Edit Widgets</source>
        <extracomment>The gallery&apos;s title: the widgets there are added to the desktop</extracomment>
        <translation>Modifier les widgets</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Status</source>
        <extracomment>The gallery&apos;s note, for screen readers: what the last Add did, or what stands in the way</extracomment>
        <translation>État</translation>
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
        <translation>Il n&apos;existe pas de taille de widget «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>quillon::widgethost::WidgetWindow</name>
    <message>
        <location filename="../widgethost/desktops/widget_accessibility.cpp" line="+29"/>
        <source>%1: %2</source>
        <extracomment>A widget on the desktop, for screen readers: %1 its name, such as &quot;Clock&quot;; %2 what it shows now</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
</TS>
