<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>quillon::BoardCityList</name>
    <message>
        <location filename="../studio/inspector/board_city_list.cpp" line="+21"/>
        <source>Cities</source>
        <translation>Ciudades</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Remove %1</source>
        <extracomment>Removes a city from the world board. %1 is the city&apos;s name.</extracomment>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Move Up</source>
        <comment>move a city up the board</comment>
        <translation>Subir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Move Down</source>
        <comment>move a city down the board</comment>
        <translation>Bajar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remove</source>
        <comment>take a city off the board</comment>
        <translation>Quitar</translation>
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
        <translation>Río de Janeiro</translation>
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
        <translation>Bombay</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Delhi</source>
        <comment>the capital of India</comment>
        <translation>Nueva Delhi</translation>
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
        <translation>Pekín</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>en</source>
        <comment>language code</comment>
        <extracomment>The code of this catalogue&apos;s language, as ICU names languages (&quot;de&quot;, &quot;fr&quot;, &quot;es&quot;, &quot;ja&quot;): the names of cities and countries are taken from ICU in that language.</extracomment>
        <translation>es</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Local</source>
        <comment>the computer&apos;s own city, when its zone has no city</comment>
        <translation>Hora local</translation>
    </message>
</context>
<context>
    <name>quillon::CityPicker</name>
    <message>
        <location filename="../studio/inspector/city_picker.cpp" line="+66"/>
        <location line="+1"/>
        <source>Search cities or countries</source>
        <translation>Buscar ciudades o países</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cities</source>
        <translation>Ciudades</translation>
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
        <translation>&lt;b&gt;No hay resultados para «%1»&lt;/b&gt;&lt;br&gt;&lt;br&gt;Revisa la ortografía o prueba con otra búsqueda.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n cities</source>
        <extracomment>How many cities a search found, as screen readers say it and the list&apos;s description</extracomment>
        <translation>
            <numerusform>%n ciudad</numerusform>
            <numerusform>%n ciudades</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No results</source>
        <translation>Sin resultados</translation>
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
        <translation>Hora</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Quick dates</source>
        <translation>Fechas rápidas</translation>
    </message>
</context>
<context>
    <name>quillon::DisplayNames</name>
    <message>
        <location filename="../names/display_names.cpp" line="+20"/>
        <source>World Board</source>
        <comment>widget kind</comment>
        <translation>Panel de ciudades</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clock</source>
        <comment>widget kind</comment>
        <translation>Reloj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Day</source>
        <comment>widget kind</comment>
        <translation>Día</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Progress</source>
        <comment>widget kind</comment>
        <translation>Progreso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Countdown</source>
        <comment>widget kind</comment>
        <translation>Cuenta atrás</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sign</source>
        <comment>widget kind</comment>
        <translation>Letrero</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Small</source>
        <comment>display size</comment>
        <translation>Pequeño</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medium</source>
        <comment>display size</comment>
        <translation>Mediano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Large</source>
        <comment>display size</comment>
        <translation>Grande</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extra Large</source>
        <comment>display size</comment>
        <translation>Muy grande</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Day</source>
        <comment>progress period</comment>
        <translation>Día</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Week</source>
        <comment>progress period</comment>
        <translation>Semana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Month</source>
        <comment>progress period</comment>
        <translation>Mes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Year</source>
        <comment>progress period</comment>
        <translation>Año</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Midnight</source>
        <comment>colour theme</comment>
        <translation>Medianoche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obsidian</source>
        <comment>colour theme</comment>
        <translation>Obsidiana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paper</source>
        <comment>colour theme</comment>
        <translation>Papel</translation>
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
        <translation>Limón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sky</source>
        <comment>colour theme</comment>
        <translation>Cielo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amber</source>
        <comment>colour theme</comment>
        <translation>Ámbar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Phosphor</source>
        <comment>colour theme</comment>
        <translation>Fósforo</translation>
    </message>
    <message>
        <location filename="../names/city_display_names.cpp" line="+16"/>
        <source>This Computer</source>
        <comment>the country of the computer&apos;s own city</comment>
        <translation>Este equipo</translation>
    </message>
</context>
<context>
    <name>quillon::DotTextNotes</name>
    <message>
        <location filename="../names/dot_text_notes.cpp" line="+41"/>
        <source>Letters A to Z without accents, numbers, $ € £ ¥ ₹ and ! ? % &amp; # + - / : . , are shown; anything else becomes a space.</source>
        <translation>Las letras de la A a la Z sin acentos ni tildes, los números, $ € £ ¥ ₹ y ! ? % &amp; # + - / : . , se muestran; lo demás se convierte en un espacio.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>None of these characters show on the dots.</source>
        <translation>Ninguno de estos caracteres se muestra en los puntos.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The dots show this as “%1”.</source>
        <extracomment>%1 is the text as the dots show it, in capitals, with accents dropped and other characters as spaces. Use the quotation marks of the language.</extracomment>
        <translation>En los puntos se muestra como «%1».</translation>
    </message>
</context>
<context>
    <name>quillon::HowToAddView</name>
    <message>
        <location filename="../studio/window/how_to_add_view.cpp" line="+80"/>
        <location line="+4"/>
        <source>Add a widget to your desktop</source>
        <translation>Añade un widget a tu escritorio</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Widgets live on your desktop, drawn by Quillon Widgets.</source>
        <translation>Los widgets están en tu escritorio y los dibuja Quillon Widgets.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Click **Place on Desktop** below, or open **Quillon Widgets** and choose **Edit Widgets…**</source>
        <extracomment>Text between ** and ** is shown in bold. &quot;Place on Desktop&quot; is the button below the steps; &quot;Edit Widgets…&quot; is an item of the Quillon Widgets menu.</extracomment>
        <translation>Haz clic abajo en **Colocar en el escritorio** o abre **Quillon Widgets** y elige **Editar widgets…**</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pick a widget and a size.</source>
        <translation>Elige un widget y un tamaño.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drag it where you want it.</source>
        <translation>Arrástralo adonde quieras.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Placed widgets follow the settings in this app and update as you change them. Click a widget to jump back here; use **Edit Widget** on its right-click menu only to give one widget its own settings.</source>
        <extracomment>Text between ** and ** is shown in bold. &quot;Edit Widget&quot; is an item of a placed widget&apos;s right-click menu.</extracomment>
        <translation>Los widgets colocados siguen los ajustes de esta app y se actualizan cuando los cambias. Haz clic en un widget para volver aquí; usa **Editar widget** en su menú contextual solo para darle a un widget sus propios ajustes.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Place on Desktop</source>
        <translation>Colocar en el escritorio</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Placing the widget…</source>
        <extracomment>Shown in the how-to popover while the desktop is asked to place the widget</extracomment>
        <translation>Colocando el widget…</translation>
    </message>
</context>
<context>
    <name>quillon::InspectorTexts</name>
    <message>
        <location filename="../studio/inspector/inspector_texts.cpp" line="+59"/>
        <source>Times across your cities, departures-board style.</source>
        <translation>La hora de tus ciudades, al estilo de un panel de salidas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One city&apos;s time in big dots.</source>
        <translation>La hora de una ciudad en puntos grandes.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Today&apos;s date with a bar for how much of it is left.</source>
        <translation>La fecha de hoy con una barra de lo que queda del día.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How far through the day, week, month or year you are.</source>
        <translation>Cuánto llevas del día, la semana, el mes o el año.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Days, hours and minutes until something.</source>
        <translation>Días, horas y minutos hasta algo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your own message on a dot display.</source>
        <translation>Tu propio mensaje en una pantalla de puntos.</translation>
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
        <translation>%1. Esa fecha ya pasó; elige otra.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 · today</source>
        <extracomment>The countdown&apos;s date is later today. %1 is the date and time.</extracomment>
        <translation>%1 · hoy</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%1 · in %n days</source>
        <extracomment>How many calendar days until the countdown&apos;s date. %1 is the date and time.</extracomment>
        <translation>
            <numerusform>%1 · dentro de %n día</numerusform>
            <numerusform>%1 · dentro de %n días</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../studio/inspector/inspector_texts.h" line="+44"/>
        <source>Long titles wrap onto more lines with smaller dots.</source>
        <translation>Los títulos largos ocupan más líneas, con puntos más pequeños.</translation>
    </message>
</context>
<context>
    <name>quillon::InspectorView</name>
    <message>
        <location filename="../studio/inspector/inspector_view.cpp" line="+48"/>
        <source>Widget Settings</source>
        <translation>Ajustes del widget</translation>
    </message>
    <message>
        <location filename="../studio/inspector/world_board_settings.cpp" line="+20"/>
        <source>Cities</source>
        <translation>Ciudades</translation>
    </message>
    <message>
        <location filename="../studio/inspector/inspector_view.cpp" line="+116"/>
        <location filename="../studio/inspector/world_board_settings.cpp" line="+5"/>
        <source>Add City</source>
        <translation>Añadir ciudad</translation>
    </message>
    <message>
        <location filename="../studio/inspector/world_board_settings.cpp" line="+9"/>
        <source>Drag to reorder. Medium shows 4 rows, Large 8, Extra Large 7.</source>
        <translation>Arrastra para reordenar. Mediano muestra 4 filas; Grande, 8; Muy grande, 7.</translation>
    </message>
    <message>
        <location filename="../studio/inspector/clock_settings.cpp" line="+19"/>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change…</source>
        <comment>pick another city for the clock</comment>
        <translation>Cambiar…</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../studio/inspector/inspector_view.cpp" line="+13"/>
        <source>Change City</source>
        <translation>Cambiar ciudad</translation>
    </message>
    <message>
        <location filename="../studio/inspector/use_24h_toggle.cpp" line="+17"/>
        <source>24-hour time</source>
        <translation>Formato de 24 horas</translation>
    </message>
    <message>
        <location filename="../studio/inspector/progress_settings.cpp" line="+19"/>
        <location line="+10"/>
        <source>Period</source>
        <comment>what a progress display measures</comment>
        <translation>Periodo</translation>
    </message>
    <message>
        <location filename="../studio/inspector/countdown_settings.cpp" line="+32"/>
        <location line="+6"/>
        <source>Title</source>
        <comment>a countdown&apos;s title</comment>
        <translation>Título</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>New Year</source>
        <comment>an example countdown title</comment>
        <extracomment>The dots show only letters A to Z without accents, numbers and a few signs: an example they show right, such as a holiday&apos;s name written in those letters.</extracomment>
        <translation>Nochevieja</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Counting down to</source>
        <translation>Cuenta atrás hasta</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../studio/inspector/inspector_view.cpp" line="+7"/>
        <source>Date</source>
        <comment>when a countdown ends</comment>
        <translation>Fecha</translation>
    </message>
    <message>
        <location filename="../studio/inspector/sign_settings.cpp" line="+15"/>
        <location line="+3"/>
        <source>Message</source>
        <comment>the text a sign shows</comment>
        <translation>Mensaje</translation>
    </message>
    <message>
        <location filename="../studio/inspector/sync_note.cpp" line="+26"/>
        <source>Desktop widgets follow these settings.</source>
        <translation>Los widgets del escritorio siguen estos ajustes.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>To give one widget its own theme or city, right-click it on the desktop and choose Edit Widget.</source>
        <translation>Para darle a un widget su propio tema o ciudad, haz clic derecho sobre él en el escritorio y elige «Editar widget».</translation>
    </message>
</context>
<context>
    <name>quillon::Lampworks</name>
    <message>
        <location filename="../lampwork/lampwork_widgets.cpp" line="+25"/>
        <source>Times across your cities, departures-board style.</source>
        <translation>La hora de tus ciudades, al estilo de un panel de salidas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One city&apos;s time in big dots.</source>
        <translation>La hora de una ciudad en puntos grandes.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Today&apos;s date with a bar for how much of it is left.</source>
        <translation>La fecha de hoy con una barra de lo que queda del día.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How far through the day, week, month or year you are.</source>
        <translation>Cuánto llevas del día, la semana, el mes o el año.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Days, hours and minutes until something.</source>
        <translation>Días, horas y minutos hasta algo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your own message on a dot display.</source>
        <translation>Tu propio mensaje en una pantalla de puntos.</translation>
    </message>
</context>
<context>
    <name>quillon::MonthCalendar</name>
    <message>
        <location filename="../studio/dates/month_calendar.cpp" line="+47"/>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Today</source>
        <comment>calendar button: go to this month</comment>
        <translation>Hoy</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
</context>
<context>
    <name>quillon::QuickDate</name>
    <message>
        <location filename="../studio/dates/quick_date.cpp" line="+45"/>
        <source>Tomorrow, 9 AM</source>
        <translation>Mañana, 9:00</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A week from now</source>
        <translation>Dentro de una semana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End of this month</source>
        <translation>Fin de este mes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Year&apos;s Day</source>
        <translation>Día de Año Nuevo</translation>
    </message>
</context>
<context>
    <name>quillon::SelfUpdater</name>
    <message>
        <location filename="../updater/self_updater.cpp" line="+53"/>
        <source>There is not enough space on the disk to download the update to %1.</source>
        <translation>No hay espacio suficiente en el disco para descargar la actualización en %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The update could not be saved in %1: %2</source>
        <translation>No se pudo guardar la actualización en %1: %2</translation>
    </message>
    <message>
        <location line="+166"/>
        <source>The update feed&apos;s address is not a secure (https) address.</source>
        <translation>La dirección del canal de actualizaciones no es una dirección segura (https).</translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>The update server did not send the update feed within %n second(s).</source>
        <comment>the feed&apos;s deadline</comment>
        <translation>
            <numerusform>El servidor de actualizaciones no envió el canal de actualizaciones en %n segundo.</numerusform>
            <numerusform>El servidor de actualizaciones no envió el canal de actualizaciones en %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The update feed is larger than any feed of this program.</source>
        <translation>El canal de actualizaciones es más grande de lo que puede ser un canal de este programa.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The update server could not be reached: %1</source>
        <translation>No se pudo conectar con el servidor de actualizaciones: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The update feed could not be read.</source>
        <translation>No se pudo leer el canal de actualizaciones.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>The update is larger than any release of this program.</source>
        <translation>La actualización es más grande de lo que puede ser una versión de este programa.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The update&apos;s download address is not a secure (https) address.</source>
        <translation>La dirección de descarga de la actualización no es una dirección segura (https).</translation>
    </message>
    <message numerus="yes">
        <location line="-254"/>
        <source>The download was too slow to finish within %n minute(s).</source>
        <comment>the download&apos;s deadline</comment>
        <translation>
            <numerusform>La descarga fue demasiado lenta para terminar en %n minuto.</numerusform>
            <numerusform>La descarga fue demasiado lenta para terminar en %n minutos.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The download is larger than the update feed says it is.</source>
        <translation>El archivo descargado es más grande de lo que indica el canal de actualizaciones.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The update could not be downloaded: %1</source>
        <translation>No se pudo descargar la actualización: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The download is not the size the update feed gives for it.</source>
        <translation>El archivo descargado no tiene el tamaño que indica el canal de actualizaciones.</translation>
    </message>
</context>
<context>
    <name>quillon::SettingsView</name>
    <message>
        <location filename="../studio/window/settings_view.cpp" line="+42"/>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Updates</source>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatically check for updates</source>
        <translation>Buscar actualizaciones automáticamente</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Last checked</source>
        <translation>Última comprobación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check Now</source>
        <translation>Buscar ahora</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>This is a development build, which doesn&apos;t update itself. Copies downloaded from %1 check for updates automatically.</source>
        <extracomment>%1 is the host name of the product&apos;s web site.</extracomment>
        <translation>Esta es una compilación de desarrollo, que no se actualiza sola. Las copias descargadas de %1 buscan actualizaciones automáticamente.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Version</source>
        <comment>the studio&apos;s version</comment>
        <translation>Versión</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Never</source>
        <comment>last update check</comment>
        <translation>Nunca</translation>
    </message>
</context>
<context>
    <name>quillon::SizePicker</name>
    <message>
        <location filename="../studio/stage/control_bar.cpp" line="+60"/>
        <source>Size</source>
        <comment>display size</comment>
        <translation>Tamaño</translation>
    </message>
</context>
<context>
    <name>quillon::StoreReport</name>
    <message>
        <location filename="../platform/translations/store_report_text.cpp" line="+27"/>
        <source>the folder %1 is read-only</source>
        <extracomment>Why a settings file could not be saved; %1 is a folder such as ~/.config/quillon</extracomment>
        <translation>la carpeta %1 es de solo lectura</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the disk that holds %1 is full</source>
        <extracomment>Why a settings file could not be saved; %1 is a folder such as ~/.config/quillon</extracomment>
        <translation>el disco que contiene %1 está lleno</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the folder %1 belongs to another user</source>
        <extracomment>Why a settings file could not be saved; %1 is a folder such as ~/.config/quillon</extracomment>
        <translation>la carpeta %1 pertenece a otro usuario</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a folder</source>
        <extracomment>Why a settings file could not be saved: a file stands where the folder %1 should be</extracomment>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 may not be read</source>
        <extracomment>Why a settings file could not be read; %1 is the file, such as ~/.config/quillon/widgets.json</extracomment>
        <translation>no hay permiso para leer %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is damaged</source>
        <extracomment>Why a settings file could not be read; %1 is the file, such as ~/.config/quillon/widgets.json</extracomment>
        <translation>%1 está dañado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is larger than a settings file may be</source>
        <extracomment>Why a settings file could not be read or saved; %1 is the file</extracomment>
        <translation>%1 es más grande de lo que puede ser un archivo de ajustes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>they hold text or a date that cannot be written down</source>
        <extracomment>Why the settings could not be saved</extracomment>
        <translation>hay un texto o una fecha que no se puede guardar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the system refused to write %1 (%2)</source>
        <extracomment>Why a settings file could not be saved; %1 is the file or folder, %2 the system&apos;s reason</extracomment>
        <translation>el sistema no permitió escribir en %1 (%2)</translation>
    </message>
</context>
<context>
    <name>quillon::StudioWindow</name>
    <message>
        <location filename="../studio/window/studio_window.cpp" line="+54"/>
        <source>Quillon support</source>
        <extracomment>The subject of a new mail to Quillon&apos;s support, in the user&apos;s mail program</extracomment>
        <translation>Soporte de Quillon</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Your changes could not be saved: %1. The settings file is unchanged; your next change is saved once it can be.</source>
        <extracomment>The note under the window when a change could not be saved; %1 says why, as in &quot;the folder ~/.config/quillon is read-only&quot;</extracomment>
        <translation>No se pudieron guardar tus cambios: %1. El archivo de ajustes no ha cambiado; tu próximo cambio se guardará en cuanto sea posible.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Your saved settings could not be read: %1. The studio started with the defaults, and kept the file as %2.</source>
        <extracomment>The note under the window when the saved settings could not be read at start; %1 says why, %2 is where the unreadable file was moved</extracomment>
        <translation>No se pudieron leer tus ajustes guardados: %1. La app se ha iniciado con los ajustes predeterminados y ha conservado el archivo como %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Your saved settings could not be read: %1. The studio started with the defaults and leaves the file as it is.</source>
        <extracomment>The note under the window when the saved settings could not be read at start and could not be moved aside; %1 says why</extracomment>
        <translation>No se pudieron leer tus ajustes guardados: %1. La app se ha iniciado con los ajustes predeterminados y deja el archivo tal como está.</translation>
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
        <translation>Añadir al escritorio</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>More Tools</source>
        <translation>Más herramientas</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+17"/>
        <location line="+80"/>
        <location line="+4"/>
        <source>Full View</source>
        <translation>Vista completa</translation>
    </message>
    <message>
        <location line="-100"/>
        <location line="+99"/>
        <source>Show the widget big, without panels</source>
        <translation>Mostrar el widget en grande, sin barras laterales</translation>
    </message>
    <message>
        <location line="-97"/>
        <source>Widget Settings</source>
        <translation>Ajustes del widget</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide widget settings</source>
        <translation>Mostrar u ocultar los ajustes del widget</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+93"/>
        <source>Hide Sidebar</source>
        <translation>Ocultar barra lateral</translation>
    </message>
    <message>
        <location line="-90"/>
        <location line="+88"/>
        <source>Hide Widget Settings</source>
        <translation>Ocultar ajustes del widget</translation>
    </message>
    <message>
        <location line="-83"/>
        <source>Placed Widgets…</source>
        <extracomment>Opens the list of the widgets on the desktop, where each is edited, resized, moved or removed</extracomment>
        <translation>Widgets colocados…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Placed Widgets</source>
        <translation>Widgets colocados</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How to Add Widgets</source>
        <translation>Cómo añadir widgets</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillon Website</source>
        <translation>Sitio web de Quillon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contact Support…</source>
        <translation>Contactar con soporte…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Privacy Policy</source>
        <translation>Política de privacidad</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+3"/>
        <source>About Quillon</source>
        <translation>Acerca de Quillon</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;b&gt;Quillon&lt;/b&gt;&lt;br&gt;Version %1 (%2)&lt;br&gt;&lt;br&gt;Dot-matrix displays for your desktop.&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;%4&lt;/a&gt;</source>
        <extracomment>%1 is the version, %2 the build number, %3 the web site&apos;s address and %4 its host name.</extracomment>
        <translation>&lt;b&gt;Quillon&lt;/b&gt;&lt;br&gt;Versión %1 (%2)&lt;br&gt;&lt;br&gt;Pantallas de matriz de puntos para tu escritorio.&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;%4&lt;/a&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Settings…</source>
        <translation>Ajustes…</translation>
    </message>
    <message>
        <location line="+25"/>
        <location line="+4"/>
        <source>Exit Full View</source>
        <translation>Salir de la vista completa</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Exit full view (Esc)</source>
        <translation>Salir de la vista completa (Esc)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show Widget Settings</source>
        <translation>Mostrar ajustes del widget</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show Sidebar</source>
        <translation>Mostrar barra lateral</translation>
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
        <translation>%1 añadida al panel de ciudades</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 removed from the board</source>
        <extracomment>Said to screen readers when a city leaves the world board; %1 is the city</extracomment>
        <translation>%1 quitada del panel de ciudades</translation>
    </message>
</context>
<context>
    <name>quillon::UpdateInstaller</name>
    <message>
        <location filename="../updater/update_installer.cpp" line="+105"/>
        <source>There is not enough space on the disk to unpack the update in %1.</source>
        <translation>No hay espacio suficiente en el disco para descomprimir la actualización en %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+112"/>
        <source>The update could not be unpacked in %1: %2.</source>
        <translation>No se pudo descomprimir la actualización en %1: %2.</translation>
    </message>
    <message>
        <location line="-26"/>
        <location line="+179"/>
        <source>Installing the update was stopped.</source>
        <translation>Se detuvo la instalación de la actualización.</translation>
    </message>
    <message>
        <location line="-178"/>
        <source>The download could not be read: %1</source>
        <translation>No se pudo leer el archivo descargado: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The update could not be unpacked: %1.</source>
        <translation>No se pudo descomprimir la actualización: %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The update holds something no release of this program has (%1): only files, folders and links inside the release are taken.</source>
        <translation>La actualización contiene algo que ninguna versión de este programa incluye (%1): solo se admiten archivos, carpetas y enlaces dentro de la versión.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The update unpacks to more than a release of this program can be (%1).</source>
        <translation>Una vez descomprimida, la actualización ocupa más de lo que puede ocupar una versión de este programa (%1).</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>The update does not say which program and version it is, as every release of this program does.</source>
        <translation>La actualización no indica de qué programa ni de qué versión es, como sí hacen todas las versiones de este programa.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The update is a release of another program (%1).</source>
        <translation>La actualización es una versión de otro programa (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The update is build %1, not build %2 as the update feed announced.</source>
        <translation>La actualización es la compilación %1, no la compilación %2 que anunciaba el canal de actualizaciones.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The update is build %1, which is not newer than build %2 that runs now.</source>
        <translation>La actualización es la compilación %1, que no es más reciente que la compilación %2 que se está ejecutando ahora.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The update is build %1, which is not newer than build %2 installed already.</source>
        <translation>La actualización es la compilación %1, que no es más reciente que la compilación %2 ya instalada.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>it did not say it is build %1</source>
        <translation>no indicó ser la compilación %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it ended with status %1: %2</source>
        <translation>terminó con el estado %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it was ended by signal %1 (%2)</source>
        <translation>fue terminada por la señal %1 (%2)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it did not answer within %1 seconds</source>
        <translation>no respondió en %1 segundos</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The new version does not start on this computer (%1), so it was not installed.</source>
        <translation>La nueva versión no se inicia en este ordenador (%1), así que no se instaló.</translation>
    </message>
    <message>
        <location line="+72"/>
        <location line="+11"/>
        <source>The download is not the size the update feed gives for it.</source>
        <translation>El archivo descargado no tiene el tamaño que indica el canal de actualizaciones.</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>The update&apos;s version cannot name a folder.</source>
        <translation>La versión de la actualización no puede usarse como nombre de carpeta.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The download is not signed by the publisher of this program.</source>
        <translation>El archivo descargado no está firmado por el editor de este programa.</translation>
    </message>
    <message>
        <location line="+167"/>
        <source>Another copy of this program is installing an update into %1 right now.</source>
        <translation>Otra copia de este programa está instalando ahora mismo una actualización en %1.</translation>
    </message>
    <message>
        <location line="-131"/>
        <source>The download changed while it was being installed.</source>
        <translation>El archivo descargado cambió mientras se instalaba.</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>The update could not be unpacked as a release of this program.</source>
        <translation>No se pudo descomprimir la actualización como una versión de este programa.</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>The update holds a link that leads out of the release.</source>
        <translation>La actualización contiene un enlace que apunta fuera de la versión.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The update is made for another kind of computer: %1 is not a program for this one.</source>
        <translation>La actualización está hecha para otro tipo de ordenador: %1 no es un programa para este.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>The update could not be put beside the installed version: %1</source>
        <translation>No se pudo colocar la actualización junto a la versión instalada: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The update could not be written to the disk in %1: %2.</source>
        <translation>No se pudo escribir la actualización en el disco, en la carpeta %1: %2.</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+16"/>
        <source>The new version could not be made current: %1</source>
        <translation>No se pudo establecer la nueva versión como la actual: %1</translation>
    </message>
</context>
<context>
    <name>quillon::UpdateWindows</name>
    <message>
        <location filename="../studio/application/update_windows.cpp" line="+68"/>
        <source>Check for updates automatically?</source>
        <translation>¿Buscar actualizaciones automáticamente?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Should Quillon automatically check for updates?</source>
        <translation>¿Quieres que Quillon busque actualizaciones automáticamente?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You can always check for updates manually from the Help menu, and change this in Settings.</source>
        <translation>Siempre puedes buscar actualizaciones manualmente desde el menú Ayuda y cambiar esto en Ajustes.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Check Automatically</source>
        <translation>Buscar automáticamente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Don&apos;t Check</source>
        <translation>No buscar</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+92"/>
        <source>Software Update</source>
        <translation>Actualización de software</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>&lt;b&gt;A new version of Quillon is available!&lt;/b&gt;</source>
        <translation>&lt;b&gt;¡Hay una nueva versión de Quillon disponible!&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quillon %1 is now available — you have %2. Would you like to install it now?</source>
        <extracomment>%1 is the new version, %2 the version the user has.</extracomment>
        <translation>Quillon %1 ya está disponible (tienes la %2). ¿Quieres instalarla ahora?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quillon %1 is now available — you have %2. Would you like to open its download page?</source>
        <translation>Quillon %1 ya está disponible (tienes la %2). ¿Quieres abrir su página de descarga?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;b&gt;Release Notes:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Notas de la versión:&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Release Notes</source>
        <translation>Notas de la versión</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No release notes were given.</source>
        <translation>No hay notas de la versión.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Skip This Version</source>
        <translation>Omitir esta versión</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remind Me Later</source>
        <translation>Recordármelo más tarde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Install Update</source>
        <translation>Instalar actualización</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>You&apos;re up to date!</source>
        <translation>¡Estás al día!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillon %1 is currently the newest version available.</source>
        <extracomment>%1 is the version the user has.</extracomment>
        <translation>Quillon %1 es la versión más reciente disponible.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Downloading the update…</source>
        <translation>Descargando la actualización…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Checking and installing the update…</source>
        <translation>Verificando e instalando la actualización…</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cancel</source>
        <comment>stops the update under way</comment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Update Installed</source>
        <translation>Actualización instalada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillon %1 is installed.</source>
        <extracomment>%1 is the version just installed.</extracomment>
        <translation>Quillon %1 se ha instalado.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Relaunch now to start using it? Otherwise it starts the next time you open Quillon.</source>
        <translation>¿Reiniciar ahora para empezar a usarla? Si no, se iniciará la próxima vez que abras Quillon.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Relaunch Now</source>
        <translation>Reiniciar ahora</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Later</source>
        <comment>relaunch after an update</comment>
        <translation>Más tarde</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+12"/>
        <source>Update Error!</source>
        <translation>¡Error de actualización!</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>%1

The installed version was not changed.</source>
        <extracomment>%1 is what went wrong, as the updater tells it.</extracomment>
        <translation>%1

La versión instalada no ha cambiado.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The update to build %1 could not start on this computer, so the version you had before is running again.</source>
        <extracomment>%1 is the build that was installed by the last update.</extracomment>
        <translation>La actualización a la compilación %1 no pudo iniciarse en este ordenador, así que vuelve a funcionar la versión que tenía antes.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>That build is skipped: it is offered again only when you check for updates yourself.</source>
        <translation>Esta compilación se omite: solo se ofrecerá de nuevo cuando busque actualizaciones usted mismo.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This build doesn&apos;t update itself</source>
        <translation>Esta compilación no se actualiza sola</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This is a development build of Quillon: it will not replace itself with the version on %1. Copies downloaded from %1 check for updates automatically.</source>
        <extracomment>%1 is the host name of the product&apos;s web site.</extracomment>
        <translation>Esta es una compilación de desarrollo de Quillon: no se sustituirá por la versión de %1. Las copias descargadas de %1 buscan actualizaciones automáticamente.</translation>
    </message>
</context>
<context>
    <name>quillon::WidgetConfiguration</name>
    <message>
        <location filename="../lampwork/widget_configuration.cpp" line="+35"/>
        <source>Same as App</source>
        <translation>Igual que la app</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Cities</source>
        <translation>Ciudades</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave empty to use the app&apos;s cities.</source>
        <translation>Déjalo en blanco para usar las ciudades de la app.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave empty to use the app&apos;s city.</source>
        <translation>Déjalo en blanco para usar la ciudad de la app.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Title</source>
        <comment>what a countdown counts to</comment>
        <translation>Título</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leave empty to use the app&apos;s title.</source>
        <translation>Déjalo en blanco para usar el título de la app.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Date</source>
        <comment>when a countdown ends</comment>
        <translation>Fecha</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leave empty to use the app&apos;s date.</source>
        <translation>Déjalo en blanco para usar la fecha de la app.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave empty to use the app&apos;s message.</source>
        <translation>Déjalo en blanco para usar el mensaje de la app.</translation>
    </message>
</context>
<context>
    <name>quillon::WidgetFamily</name>
    <message>
        <location filename="../widget_plugin/widget_plugin.cpp" line="+23"/>
        <source>Small</source>
        <extracomment>A widget&apos;s size, in its menu and in the gallery</extracomment>
        <translation>Pequeño</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Large</source>
        <extracomment>A widget&apos;s size, in its menu and in the gallery</extracomment>
        <translation>Grande</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Extra Large</source>
        <extracomment>A widget&apos;s size, in its menu and in the gallery</extracomment>
        <translation>Muy grande</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Medium</source>
        <extracomment>A widget&apos;s size, in its menu and in the gallery</extracomment>
        <translation>Mediano</translation>
    </message>
</context>
<context>
    <name>quillon::WidgetHostBus</name>
    <message>
        <location filename="../platform/session_bus/widget_host_bus.cpp" line="+28"/>
        <source>Quillon Widgets is not installed for this session: the session bus has no service com.quillon.WidgetHost.</source>
        <extracomment>Why a widget could not be placed: the session bus knows no widget host</extracomment>
        <translation>Quillon Widgets no está instalado para esta sesión: el bus de sesión no tiene ningún servicio com.quillon.WidgetHost.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quillon Widgets could not start (%1). Run quillon-widgets in a terminal to see why.</source>
        <extracomment>Why a widget could not be placed; %1 is the session bus&apos;s own words, such as &quot;Process com.quillon.WidgetHost exited with status 1&quot;</extracomment>
        <translation>Quillon Widgets no pudo iniciarse (%1). Ejecuta quillon-widgets en una terminal para ver por qué.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quillon Widgets did not answer.</source>
        <extracomment>Why a widget could not be placed: the widget host took too long</extracomment>
        <translation>Quillon Widgets no respondió.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quillon Widgets could not be reached: %1 (%2).</source>
        <extracomment>Why a widget could not be placed; %1 is the session bus&apos;s error, %2 its words</extracomment>
        <translation>No se pudo conectar con Quillon Widgets: %1 (%2).</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>There is no session bus to reach Quillon Widgets on.</source>
        <extracomment>Why a widget could not be placed</extracomment>
        <translation>No hay ningún bus de sesión a través del cual conectar con Quillon Widgets.</translation>
    </message>
</context>
<context>
    <name>quillon::widgethost::LiveWidget</name>
    <message>
        <location filename="../widgethost/host/live_widget.cpp" line="+151"/>
        <source>Edit Widget…</source>
        <translation>Editar widget…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Size</source>
        <extracomment>The submenu, or the heading, of a widget&apos;s sizes</extracomment>
        <translation>Tamaño</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Remove Widget</source>
        <translation>Quitar widget</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Edit Widgets…</source>
        <extracomment>Opens the gallery, where widgets are added</extracomment>
        <translation>Editar widgets…</translation>
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
        <translation>%1, %2, en %3</translation>
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
        <translation>Widgets colocados</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>No widget is on the desktop yet. Add one below.</source>
        <translation>Todavía no hay ningún widget en el escritorio. Añade uno abajo.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Move to Screen</source>
        <extracomment>The button that opens a menu of the screens the chosen widget can be moved to</extracomment>
        <translation>Mover a la pantalla</translation>
    </message>
</context>
<context>
    <name>quillon::widgethost::WidgetEditor</name>
    <message>
        <location filename="../widgethost/editor/widget_editor.cpp" line="+115"/>
        <source>Set</source>
        <extracomment>Beside a date and time that may be left unset: checked, the date counts</extracomment>
        <translation>Fijar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Set %1</source>
        <extracomment>The &quot;Set&quot; check box&apos;s name for screen readers; %1 is the date&apos;s title, such as &quot;Date&quot;.</extracomment>
        <translation>Fijar %1</translation>
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
        <translation>Predeterminado</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Search %1</source>
        <extracomment>A search field&apos;s name for screen readers; %1 is what it searches, such as &quot;Cities&quot;.</extracomment>
        <translation>Buscar en %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Drag, or press Alt+Up or Alt+Down, to change the order.</source>
        <extracomment>Over a list of check boxes whose order counts, such as cities</extracomment>
        <translation>Arrastra, o pulsa Alt+Arriba o Alt+Abajo, para cambiar el orden.</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Clear</source>
        <extracomment>Empties a setting whose default is no value</extracomment>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear %1</source>
        <extracomment>For the button that empties a setting, %1 being the setting&apos;s name</extracomment>
        <translation>Borrar %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reset</source>
        <extracomment>Puts a setting back to its default</extracomment>
        <translation>Restablecer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset %1</source>
        <extracomment>For the button that puts a setting back to its default, %1 being the setting&apos;s name</extracomment>
        <translation>Restablecer %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Leave %1 empty</source>
        <extracomment>%1 is a setting&apos;s name</extracomment>
        <translation>Dejar «%1» en blanco</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Back to “%1”</source>
        <extracomment>%1 is the name of the choice a setting goes back to</extracomment>
        <translation>Volver a «%1»</translation>
    </message>
</context>
<context>
    <name>quillon::widgethost::WidgetHost</name>
    <message>
        <location filename="../widgethost/settings/widget_gallery.cpp" line="+31"/>
        <source>Add Small</source>
        <extracomment>The gallery&apos;s button that adds the widget at its small size</extracomment>
        <translation>Añadir en tamaño pequeño</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add Large</source>
        <extracomment>The gallery&apos;s button that adds the widget at its large size</extracomment>
        <translation>Añadir en tamaño grande</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add Extra Large</source>
        <extracomment>The gallery&apos;s button that adds the widget at its extra large size</extracomment>
        <translation>Añadir en tamaño muy grande</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add Medium</source>
        <extracomment>The gallery&apos;s button that adds the widget at its medium size</extracomment>
        <translation>Añadir en tamaño mediano</translation>
    </message>
    <message>
        <location filename="../widgethost/host/widget_host.cpp" line="+33"/>
        <source>top left</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, top left of screen HDMI-1&quot;</extracomment>
        <translation>en la parte superior izquierda</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>top</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, top of screen HDMI-1&quot;</extracomment>
        <translation>en la parte superior</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>top right</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, top right of screen HDMI-1&quot;</extracomment>
        <translation>en la parte superior derecha</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>left</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, left of screen HDMI-1&quot;</extracomment>
        <translation>en la parte izquierda</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>middle</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, middle of screen HDMI-1&quot;</extracomment>
        <translation>en el centro</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>right</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, right of screen HDMI-1&quot;</extracomment>
        <translation>en la parte derecha</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bottom left</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, bottom left of screen HDMI-1&quot;</extracomment>
        <translation>en la parte inferior izquierda</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bottom</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, bottom of screen HDMI-1&quot;</extracomment>
        <translation>en la parte inferior</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>bottom right</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, bottom right of screen HDMI-1&quot;</extracomment>
        <translation>en la parte inferior derecha</translation>
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
        <translation>La galería y los ajustes de los widgets no se pueden abrir: no se puede iniciar %1. Vuelva a instalar Quillon para recuperarlo.</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>No widget plug-in is installed in %1, so there is no widget to place. Installing Quillon again brings it back.</source>
        <extracomment>%1 is the folder the widget plug-ins are looked for in</extracomment>
        <translation>No hay ningún complemento de widgets instalado en %1, así que no hay ningún widget que colocar. Si vuelves a instalar Quillon, volverá a estar disponible.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The %1 widget does not come in the size %2.</source>
        <extracomment>%1 is a widget&apos;s name, such as &quot;Clock&quot;; %2 a size, such as &quot;Extra Large&quot;</extracomment>
        <translation>El widget «%1» no está disponible en el tamaño «%2».</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 widgets are placed, the most there can be. Remove one to place another.</source>
        <extracomment>%1 is the most widgets there can be on the desktop, 1,000</extracomment>
        <translation>Hay %1 widgets colocados, el máximo posible. Quita uno para colocar otro.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The widget was not placed, as it could not be saved: %1.</source>
        <extracomment>%1 says why, as in &quot;the folder ~/.config/quillon is read-only&quot;</extracomment>
        <translation>No se colocó el widget porque no se pudo guardar: %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Placed the %1 widget on your desktop, %2.</source>
        <extracomment>%1 is a widget&apos;s name, such as &quot;Clock&quot;; %2 where on the screen, such as &quot;top left&quot;</extracomment>
        <translation>Se ha colocado el widget «%1» %2 de tu escritorio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Placed the %1 widget on your desktop, %2 of screen %3.</source>
        <extracomment>%1 is a widget&apos;s name, such as &quot;Clock&quot;; %2 where on the screen, such as &quot;top left&quot;; %3 the screen&apos;s name, such as HDMI-1</extracomment>
        <translation>Se ha colocado el widget «%1» en tu escritorio, %2 de la pantalla %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No widget plug-in has a widget of the kind “%1”.</source>
        <extracomment>%1 is the kind of widget asked for, as the program names it</extracomment>
        <translation>Ningún complemento de widgets tiene un widget del tipo «%1».</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No widget plug-in was found in %1, so no widget can be shown. Your placed widgets are kept and come back once it is there.</source>
        <extracomment>%1 is the folder the widget plug-ins are looked for in</extracomment>
        <translation>No se encontró ningún complemento de widgets en %1, así que no se puede mostrar ningún widget. Tus widgets colocados se conservan y volverán en cuanto el complemento esté disponible.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your placed widgets could not be read: %1. The file is kept as %2, and the desktop started without them.</source>
        <extracomment>%1 says why, as in &quot;~/.config/quillon/widgets.json is damaged&quot;; %2 where the file is kept</extracomment>
        <translation>No se pudieron leer tus widgets colocados: %1. El archivo se conserva como %2 y el escritorio se ha iniciado sin ellos.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your placed widgets could not be read: %1. The file is left as it is, and nothing is saved over it.</source>
        <extracomment>%1 says why, as in &quot;~/.config/quillon/widgets.json may not be read&quot;</extracomment>
        <translation>No se pudieron leer tus widgets colocados: %1. El archivo se deja tal como está y no se sobrescribirá.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The last change to your widgets could not be saved: %1.</source>
        <extracomment>%1 says why, as in &quot;the folder ~/.config/quillon is read-only&quot;</extracomment>
        <translation>No se pudo guardar el último cambio en tus widgets: %1.</translation>
    </message>
    <message>
        <location filename="../widgethost/settings/widget_gallery.cpp" line="+9"/>
        <source>Edit Widgets</source>
        <extracomment>The gallery&apos;s title: the widgets there are added to the desktop</extracomment>
        <translation>Editar widgets</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Status</source>
        <extracomment>The gallery&apos;s note, for screen readers: what the last Add did, or what stands in the way</extracomment>
        <translation>Estado</translation>
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
        <translation>No existe el tamaño de widget «%1».</translation>
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
