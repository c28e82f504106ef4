<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>quillon::BoardCityList</name>
    <message>
        <location filename="../studio/inspector/board_city_list.cpp" line="+21"/>
        <source>Cities</source>
        <translation>都市</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Remove %1</source>
        <extracomment>Removes a city from the world board. %1 is the city&apos;s name.</extracomment>
        <translation>%1を削除</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Move Up</source>
        <comment>move a city up the board</comment>
        <translation>上へ移動</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Move Down</source>
        <comment>move a city down the board</comment>
        <translation>下へ移動</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remove</source>
        <comment>take a city off the board</comment>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>quillon::CityNames</name>
    <message>
        <location filename="../names/city_display_names.cpp" line="+23"/>
        <source>San Francisco</source>
        <comment>a city in the USA</comment>
        <translation>サンフランシスコ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seattle</source>
        <comment>a city in the USA</comment>
        <translation>シアトル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dallas</source>
        <comment>a city in the USA</comment>
        <translation>ダラス</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Austin</source>
        <comment>a city in the USA</comment>
        <translation>オースティン</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Miami</source>
        <comment>a city in the USA</comment>
        <translation>マイアミ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boston</source>
        <comment>a city in the USA</comment>
        <translation>ボストン</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>San Juan</source>
        <comment>the capital of Puerto Rico</comment>
        <translation>サンフアン</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rio de Janeiro</source>
        <comment>a city in Brazil</comment>
        <translation>リオデジャネイロ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Barcelona</source>
        <comment>a city in Spain</comment>
        <translation>バルセロナ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mumbai</source>
        <comment>a city in India</comment>
        <translation>ムンバイ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Delhi</source>
        <comment>the capital of India</comment>
        <translation>ニューデリー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bangalore</source>
        <comment>a city in India</comment>
        <translation>バンガロール</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beijing</source>
        <comment>the capital of China</comment>
        <translation>北京</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>en</source>
        <comment>language code</comment>
        <extracomment>The code of this catalogue&apos;s language, as ICU names languages (&quot;de&quot;, &quot;fr&quot;, &quot;es&quot;, &quot;ja&quot;): the names of cities and countries are taken from ICU in that language.</extracomment>
        <translation>ja</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Local</source>
        <comment>the computer&apos;s own city, when its zone has no city</comment>
        <translation>現地時刻</translation>
    </message>
</context>
<context>
    <name>quillon::CityPicker</name>
    <message>
        <location filename="../studio/inspector/city_picker.cpp" line="+66"/>
        <location line="+1"/>
        <source>Search cities or countries</source>
        <translation>都市または国を検索</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cities</source>
        <translation>都市</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>%1, %2, %3</source>
        <comment>city, country, offset</comment>
        <extracomment>A found city for assistive technologies: the city, its country and its GMT offset.</extracomment>
        <translation>%1、%2、%3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;b&gt;No Results for “%1”&lt;/b&gt;&lt;br&gt;&lt;br&gt;Check the spelling or try a new search.</source>
        <extracomment>Shown in place of the list when nothing matches. %1 is what was typed.</extracomment>
        <translation>&lt;b&gt;「%1」に一致する結果はありません&lt;/b&gt;&lt;br&gt;&lt;br&gt;綴りを確認するか、別の語句で検索してください。</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n cities</source>
        <extracomment>How many cities a search found, as screen readers say it and the list&apos;s description</extracomment>
        <translation>
            <numerusform>%n件の都市</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No results</source>
        <translation>見つかりません</translation>
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
        <translation>%1、%2、%3</translation>
    </message>
</context>
<context>
    <name>quillon::CountdownDatePicker</name>
    <message>
        <location filename="../studio/dates/countdown_date_picker.cpp" line="+145"/>
        <location line="+3"/>
        <source>Time</source>
        <comment>time of day</comment>
        <translation>時刻</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Quick dates</source>
        <translation>クイック選択</translation>
    </message>
</context>
<context>
    <name>quillon::DisplayNames</name>
    <message>
        <location filename="../names/display_names.cpp" line="+20"/>
        <source>World Board</source>
        <comment>widget kind</comment>
        <translation>世界時計</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clock</source>
        <comment>widget kind</comment>
        <translation>時計</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Day</source>
        <comment>widget kind</comment>
        <translation>日付</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Progress</source>
        <comment>widget kind</comment>
        <translation>進み具合</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Countdown</source>
        <comment>widget kind</comment>
        <translation>カウントダウン</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sign</source>
        <comment>widget kind</comment>
        <translation>メッセージボード</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Small</source>
        <comment>display size</comment>
        <translation>小</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medium</source>
        <comment>display size</comment>
        <translation>中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Large</source>
        <comment>display size</comment>
        <translation>大</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extra Large</source>
        <comment>display size</comment>
        <translation>特大</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Day</source>
        <comment>progress period</comment>
        <translation>日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Week</source>
        <comment>progress period</comment>
        <translation>週</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Month</source>
        <comment>progress period</comment>
        <translation>月</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Year</source>
        <comment>progress period</comment>
        <translation>年</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Midnight</source>
        <comment>colour theme</comment>
        <translation>ミッドナイト</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obsidian</source>
        <comment>colour theme</comment>
        <translation>オブシディアン</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paper</source>
        <comment>colour theme</comment>
        <translation>ペーパー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Matcha</source>
        <comment>colour theme</comment>
        <translation>抹茶</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lemon</source>
        <comment>colour theme</comment>
        <translation>レモン</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sky</source>
        <comment>colour theme</comment>
        <translation>スカイ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amber</source>
        <comment>colour theme</comment>
        <translation>アンバー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Phosphor</source>
        <comment>colour theme</comment>
        <translation>蛍光</translation>
    </message>
    <message>
        <location filename="../names/city_display_names.cpp" line="+16"/>
        <source>This Computer</source>
        <comment>the country of the computer&apos;s own city</comment>
        <translation>このコンピュータ</translation>
    </message>
</context>
<context>
    <name>quillon::DotTextNotes</name>
    <message>
        <location filename="../names/dot_text_notes.cpp" line="+41"/>
        <source>Letters A to Z without accents, numbers, $ € £ ¥ ₹ and ! ? % &amp; # + - / : . , are shown; anything else becomes a space.</source>
        <translation>表示できるのはアクセントのないA～Zの英字、数字、$ € £ ¥ ₹、! ? % &amp; # + - / : . , です。それ以外の文字は空白になります。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>None of these characters show on the dots.</source>
        <translation>これらの文字はドットでは表示されません。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The dots show this as “%1”.</source>
        <extracomment>%1 is the text as the dots show it, in capitals, with accents dropped and other characters as spaces. Use the quotation marks of the language.</extracomment>
        <translation>ドットでは「%1」と表示されます。</translation>
    </message>
</context>
<context>
    <name>quillon::HowToAddView</name>
    <message>
        <location filename="../studio/window/how_to_add_view.cpp" line="+80"/>
        <location line="+4"/>
        <source>Add a widget to your desktop</source>
        <translation>デスクトップにウィジェットを追加</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Widgets live on your desktop, drawn by Quillon Widgets.</source>
        <translation>ウィジェットはデスクトップ上に置かれ、Quillon Widgetsによって描画されます。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Click **Place on Desktop** below, or open **Quillon Widgets** and choose **Edit Widgets…**</source>
        <extracomment>Text between ** and ** is shown in bold. &quot;Place on Desktop&quot; is the button below the steps; &quot;Edit Widgets…&quot; is an item of the Quillon Widgets menu.</extracomment>
        <translation>下の**デスクトップに配置**をクリックするか、**Quillon Widgets**を開いて**ウィジェットを編集…**を選択します。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pick a widget and a size.</source>
        <translation>ウィジェットとサイズを選びます。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drag it where you want it.</source>
        <translation>好きな場所にドラッグします。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Placed widgets follow the settings in this app and update as you change them. Click a widget to jump back here; use **Edit Widget** on its right-click menu only to give one widget its own settings.</source>
        <extracomment>Text between ** and ** is shown in bold. &quot;Edit Widget&quot; is an item of a placed widget&apos;s right-click menu.</extracomment>
        <translation>配置したウィジェットはこのアプリの設定に従い、設定を変更すると更新されます。ウィジェットをクリックするとここに戻ります。右クリックメニューの**このウィジェットを編集**は、1つのウィジェットだけに独自の設定をしたい場合にのみ使用してください。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Place on Desktop</source>
        <translation>デスクトップに配置</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Placing the widget…</source>
        <extracomment>Shown in the how-to popover while the desktop is asked to place the widget</extracomment>
        <translation>ウィジェットを配置しています…</translation>
    </message>
</context>
<context>
    <name>quillon::InspectorTexts</name>
    <message>
        <location filename="../studio/inspector/inspector_texts.cpp" line="+59"/>
        <source>Times across your cities, departures-board style.</source>
        <translation>各都市の時刻を、駅や空港の発着案内板のように表示します。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One city&apos;s time in big dots.</source>
        <translation>1つの都市の時刻を大きなドットで表示します。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Today&apos;s date with a bar for how much of it is left.</source>
        <translation>今日の日付と、その日の残りを示すバーを表示します。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How far through the day, week, month or year you are.</source>
        <translation>今日、今週、今月、今年がどこまで進んだかを表示します。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Days, hours and minutes until something.</source>
        <translation>指定した日時までの残りの日数、時間、分を表示します。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your own message on a dot display.</source>
        <translation>好きなメッセージをドットで表示します。</translation>
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
        <translation>%1。この日時は過ぎています。新しい日時を選んでください。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 · today</source>
        <extracomment>The countdown&apos;s date is later today. %1 is the date and time.</extracomment>
        <translation>%1 · 今日</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%1 · in %n days</source>
        <extracomment>How many calendar days until the countdown&apos;s date. %1 is the date and time.</extracomment>
        <translation>
            <numerusform>%1 · %n日後</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../studio/inspector/inspector_texts.h" line="+44"/>
        <source>Long titles wrap onto more lines with smaller dots.</source>
        <translation>長いタイトルは、ドットを小さくして複数行に折り返されます。</translation>
    </message>
</context>
<context>
    <name>quillon::InspectorView</name>
    <message>
        <location filename="../studio/inspector/inspector_view.cpp" line="+48"/>
        <source>Widget Settings</source>
        <translation>ウィジェットの設定</translation>
    </message>
    <message>
        <location filename="../studio/inspector/world_board_settings.cpp" line="+20"/>
        <source>Cities</source>
        <translation>都市</translation>
    </message>
    <message>
        <location filename="../studio/inspector/inspector_view.cpp" line="+116"/>
        <location filename="../studio/inspector/world_board_settings.cpp" line="+5"/>
        <source>Add City</source>
        <translation>都市を追加</translation>
    </message>
    <message>
        <location filename="../studio/inspector/world_board_settings.cpp" line="+9"/>
        <source>Drag to reorder. Medium shows 4 rows, Large 8, Extra Large 7.</source>
        <translation>ドラッグして並べ替えます。表示される行数は、中が4行、大が8行、特大が7行です。</translation>
    </message>
    <message>
        <location filename="../studio/inspector/clock_settings.cpp" line="+19"/>
        <source>City</source>
        <translation>都市</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change…</source>
        <comment>pick another city for the clock</comment>
        <translation>変更…</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../studio/inspector/inspector_view.cpp" line="+13"/>
        <source>Change City</source>
        <translation>都市を変更</translation>
    </message>
    <message>
        <location filename="../studio/inspector/use_24h_toggle.cpp" line="+17"/>
        <source>24-hour time</source>
        <translation>24時間表示</translation>
    </message>
    <message>
        <location filename="../studio/inspector/progress_settings.cpp" line="+19"/>
        <location line="+10"/>
        <source>Period</source>
        <comment>what a progress display measures</comment>
        <translation>期間</translation>
    </message>
    <message>
        <location filename="../studio/inspector/countdown_settings.cpp" line="+32"/>
        <location line="+6"/>
        <source>Title</source>
        <comment>a countdown&apos;s title</comment>
        <translation>タイトル</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>New Year</source>
        <comment>an example countdown title</comment>
        <extracomment>The dots show only letters A to Z without accents, numbers and a few signs: an example they show right, such as a holiday&apos;s name written in those letters.</extracomment>
        <translation>Oshogatsu</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Counting down to</source>
        <translation>目標日時</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../studio/inspector/inspector_view.cpp" line="+7"/>
        <source>Date</source>
        <comment>when a countdown ends</comment>
        <translation>日時</translation>
    </message>
    <message>
        <location filename="../studio/inspector/sign_settings.cpp" line="+15"/>
        <location line="+3"/>
        <source>Message</source>
        <comment>the text a sign shows</comment>
        <translation>メッセージ</translation>
    </message>
    <message>
        <location filename="../studio/inspector/sync_note.cpp" line="+26"/>
        <source>Desktop widgets follow these settings.</source>
        <translation>デスクトップのウィジェットはこの設定に従います。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>To give one widget its own theme or city, right-click it on the desktop and choose Edit Widget.</source>
        <translation>1つのウィジェットだけに独自のテーマや都市を設定するには、デスクトップ上でそのウィジェットを右クリックし、「このウィジェットを編集」を選択します。</translation>
    </message>
</context>
<context>
    <name>quillon::Lampworks</name>
    <message>
        <location filename="../lampwork/lampwork_widgets.cpp" line="+25"/>
        <source>Times across your cities, departures-board style.</source>
        <translation>各都市の時刻を、駅や空港の発着案内板のように表示します。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One city&apos;s time in big dots.</source>
        <translation>1つの都市の時刻を大きなドットで表示します。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Today&apos;s date with a bar for how much of it is left.</source>
        <translation>今日の日付と、その日の残りを示すバーを表示します。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How far through the day, week, month or year you are.</source>
        <translation>今日、今週、今月、今年がどこまで進んだかを表示します。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Days, hours and minutes until something.</source>
        <translation>指定した日時までの残りの日数、時間、分を表示します。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your own message on a dot display.</source>
        <translation>好きなメッセージをドットで表示します。</translation>
    </message>
</context>
<context>
    <name>quillon::MonthCalendar</name>
    <message>
        <location filename="../studio/dates/month_calendar.cpp" line="+47"/>
        <source>Calendar</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Today</source>
        <comment>calendar button: go to this month</comment>
        <translation>今日</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>Previous month</source>
        <translation>前の月</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>Next month</source>
        <translation>次の月</translation>
    </message>
</context>
<context>
    <name>quillon::QuickDate</name>
    <message>
        <location filename="../studio/dates/quick_date.cpp" line="+45"/>
        <source>Tomorrow, 9 AM</source>
        <translation>明日の午前9時</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A week from now</source>
        <translation>1週間後</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End of this month</source>
        <translation>今月末</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Year&apos;s Day</source>
        <translation>元日</translation>
    </message>
</context>
<context>
    <name>quillon::SelfUpdater</name>
    <message>
        <location filename="../updater/self_updater.cpp" line="+53"/>
        <source>There is not enough space on the disk to download the update to %1.</source>
        <translation>ディスクの空き容量が不足しているため、「%1」にアップデートをダウンロードできません。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The update could not be saved in %1: %2</source>
        <translation>「%1」にアップデートを保存できませんでした：%2</translation>
    </message>
    <message>
        <location line="+166"/>
        <source>The update feed&apos;s address is not a secure (https) address.</source>
        <translation>アップデートフィードのアドレスが安全な（https）アドレスではありません。</translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>The update server did not send the update feed within %n second(s).</source>
        <comment>the feed&apos;s deadline</comment>
        <translation>
            <numerusform>アップデートサーバから%n秒以内にアップデートフィードが届きませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The update feed is larger than any feed of this program.</source>
        <translation>アップデートフィードのサイズが、このアプリのフィードとしては大きすぎます。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The update server could not be reached: %1</source>
        <translation>アップデートサーバに接続できませんでした：%1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The update feed could not be read.</source>
        <translation>アップデートフィードを読み取れませんでした。</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>The update is larger than any release of this program.</source>
        <translation>アップデートのサイズが、このアプリのリリースとしては大きすぎます。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The update&apos;s download address is not a secure (https) address.</source>
        <translation>アップデートのダウンロードアドレスが安全な（https）アドレスではありません。</translation>
    </message>
    <message numerus="yes">
        <location line="-254"/>
        <source>The download was too slow to finish within %n minute(s).</source>
        <comment>the download&apos;s deadline</comment>
        <translation>
            <numerusform>ダウンロードが遅すぎて、%n分以内に終わりませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The download is larger than the update feed says it is.</source>
        <translation>ダウンロードしたファイルのサイズが、アップデートフィードに記載されたサイズを超えています。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The update could not be downloaded: %1</source>
        <translation>アップデートをダウンロードできませんでした：%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The download is not the size the update feed gives for it.</source>
        <translation>ダウンロードしたファイルのサイズが、アップデートフィードに記載されたサイズと一致しません。</translation>
    </message>
</context>
<context>
    <name>quillon::SettingsView</name>
    <message>
        <location filename="../studio/window/settings_view.cpp" line="+42"/>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Updates</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatically check for updates</source>
        <translation>アップデートを自動的に確認</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Last checked</source>
        <translation>最終確認</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check Now</source>
        <translation>今すぐ確認</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>This is a development build, which doesn&apos;t update itself. Copies downloaded from %1 check for updates automatically.</source>
        <extracomment>%1 is the host name of the product&apos;s web site.</extracomment>
        <translation>これは開発ビルドのため、自動ではアップデートされません。%1からダウンロードしたコピーは、アップデートを自動的に確認します。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Version</source>
        <comment>the studio&apos;s version</comment>
        <translation>バージョン</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Never</source>
        <comment>last update check</comment>
        <translation>未確認</translation>
    </message>
</context>
<context>
    <name>quillon::SizePicker</name>
    <message>
        <location filename="../studio/stage/control_bar.cpp" line="+60"/>
        <source>Size</source>
        <comment>display size</comment>
        <translation>サイズ</translation>
    </message>
</context>
<context>
    <name>quillon::StoreReport</name>
    <message>
        <location filename="../platform/translations/store_report_text.cpp" line="+27"/>
        <source>the folder %1 is read-only</source>
        <extracomment>Why a settings file could not be saved; %1 is a folder such as ~/.config/quillon</extracomment>
        <translation>フォルダ「%1」は読み取り専用です</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the disk that holds %1 is full</source>
        <extracomment>Why a settings file could not be saved; %1 is a folder such as ~/.config/quillon</extracomment>
        <translation>「%1」があるディスクがいっぱいです</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the folder %1 belongs to another user</source>
        <extracomment>Why a settings file could not be saved; %1 is a folder such as ~/.config/quillon</extracomment>
        <translation>フォルダ「%1」は別のユーザの所有です</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a folder</source>
        <extracomment>Why a settings file could not be saved: a file stands where the folder %1 should be</extracomment>
        <translation>「%1」はフォルダではありません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 may not be read</source>
        <extracomment>Why a settings file could not be read; %1 is the file, such as ~/.config/quillon/widgets.json</extracomment>
        <translation>「%1」を読み取る権限がありません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is damaged</source>
        <extracomment>Why a settings file could not be read; %1 is the file, such as ~/.config/quillon/widgets.json</extracomment>
        <translation>「%1」が破損しています</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is larger than a settings file may be</source>
        <extracomment>Why a settings file could not be read or saved; %1 is the file</extracomment>
        <translation>「%1」のサイズが設定ファイルの上限を超えています</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>they hold text or a date that cannot be written down</source>
        <extracomment>Why the settings could not be saved</extracomment>
        <translation>書き込めないテキストまたは日付が含まれています</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the system refused to write %1 (%2)</source>
        <extracomment>Why a settings file could not be saved; %1 is the file or folder, %2 the system&apos;s reason</extracomment>
        <translation>システムにより「%1」への書き込みが拒否されました（%2）</translation>
    </message>
</context>
<context>
    <name>quillon::StudioWindow</name>
    <message>
        <location filename="../studio/window/studio_window.cpp" line="+54"/>
        <source>Quillon support</source>
        <extracomment>The subject of a new mail to Quillon&apos;s support, in the user&apos;s mail program</extracomment>
        <translation>Quillon サポート</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Your changes could not be saved: %1. The settings file is unchanged; your next change is saved once it can be.</source>
        <extracomment>The note under the window when a change could not be saved; %1 says why, as in &quot;the folder ~/.config/quillon is read-only&quot;</extracomment>
        <translation>変更を保存できませんでした：%1。設定ファイルは変更されていません。次の変更は、保存できるようになった時点で保存されます。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Your saved settings could not be read: %1. The studio started with the defaults, and kept the file as %2.</source>
        <extracomment>The note under the window when the saved settings could not be read at start; %1 says why, %2 is where the unreadable file was moved</extracomment>
        <translation>保存された設定を読み込めませんでした：%1。アプリはデフォルトの設定で起動しました。ファイルは「%2」として保管してあります。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Your saved settings could not be read: %1. The studio started with the defaults and leaves the file as it is.</source>
        <extracomment>The note under the window when the saved settings could not be read at start and could not be moved aside; %1 says why</extracomment>
        <translation>保存された設定を読み込めませんでした：%1。アプリはデフォルトの設定で起動しました。ファイルはそのまま残してあります。</translation>
    </message>
    <message>
        <location line="+107"/>
        <location line="+7"/>
        <source>Widgets</source>
        <comment>sidebar heading</comment>
        <translation>ウィジェット</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Add to Desktop</source>
        <translation>デスクトップに追加</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>More Tools</source>
        <translation>その他のツール</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+17"/>
        <location line="+80"/>
        <location line="+4"/>
        <source>Full View</source>
        <translation>フルビュー</translation>
    </message>
    <message>
        <location line="-100"/>
        <location line="+99"/>
        <source>Show the widget big, without panels</source>
        <translation>パネルを隠してウィジェットを大きく表示</translation>
    </message>
    <message>
        <location line="-97"/>
        <source>Widget Settings</source>
        <translation>ウィジェットの設定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide widget settings</source>
        <translation>ウィジェットの設定を表示/非表示</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+93"/>
        <source>Hide Sidebar</source>
        <translation>サイドバーを隠す</translation>
    </message>
    <message>
        <location line="-90"/>
        <location line="+88"/>
        <source>Hide Widget Settings</source>
        <translation>ウィジェットの設定を隠す</translation>
    </message>
    <message>
        <location line="-83"/>
        <source>Placed Widgets…</source>
        <extracomment>Opens the list of the widgets on the desktop, where each is edited, resized, moved or removed</extracomment>
        <translation>配置済みのウィジェット…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Placed Widgets</source>
        <translation>配置済みのウィジェット</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How to Add Widgets</source>
        <translation>ウィジェットの追加方法</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillon Website</source>
        <translation>QuillonのWebサイト</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contact Support…</source>
        <translation>サポートに問い合わせる…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Privacy Policy</source>
        <translation>プライバシーポリシー</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+3"/>
        <source>About Quillon</source>
        <translation>Quillonについて</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;b&gt;Quillon&lt;/b&gt;&lt;br&gt;Version %1 (%2)&lt;br&gt;&lt;br&gt;Dot-matrix displays for your desktop.&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;%4&lt;/a&gt;</source>
        <extracomment>%1 is the version, %2 the build number, %3 the web site&apos;s address and %4 its host name.</extracomment>
        <translation>&lt;b&gt;Quillon&lt;/b&gt;&lt;br&gt;バージョン %1（%2）&lt;br&gt;&lt;br&gt;デスクトップにドットマトリクス表示を。&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;%4&lt;/a&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Check for Updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <location line="+25"/>
        <location line="+4"/>
        <source>Exit Full View</source>
        <translation>フルビューを終了</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Exit full view (Esc)</source>
        <translation>フルビューを終了（Esc）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show Widget Settings</source>
        <translation>ウィジェットの設定を表示</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show Sidebar</source>
        <translation>サイドバーを表示</translation>
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
        <translation>%1を世界時計に追加しました</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 removed from the board</source>
        <extracomment>Said to screen readers when a city leaves the world board; %1 is the city</extracomment>
        <translation>%1を世界時計から削除しました</translation>
    </message>
</context>
<context>
    <name>quillon::UpdateInstaller</name>
    <message>
        <location filename="../updater/update_installer.cpp" line="+105"/>
        <source>There is not enough space on the disk to unpack the update in %1.</source>
        <translation>ディスクの空き容量が不足しているため、「%1」にアップデートを展開できません。</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+112"/>
        <source>The update could not be unpacked in %1: %2.</source>
        <translation>「%1」にアップデートを展開できませんでした：%2。</translation>
    </message>
    <message>
        <location line="-26"/>
        <location line="+179"/>
        <source>Installing the update was stopped.</source>
        <translation>アップデートのインストールが中止されました。</translation>
    </message>
    <message>
        <location line="-178"/>
        <source>The download could not be read: %1</source>
        <translation>ダウンロードしたファイルを読み込めませんでした：%1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The update could not be unpacked: %1.</source>
        <translation>アップデートを展開できませんでした：%1。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The update holds something no release of this program has (%1): only files, folders and links inside the release are taken.</source>
        <translation>アップデートに、このアプリのリリースには含まれないもの（%1）が含まれています。リリース内のファイル、フォルダ、リンクのみを受け付けます。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The update unpacks to more than a release of this program can be (%1).</source>
        <translation>展開後のアップデートが、このアプリのリリースの上限を超えています（%1）。</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>The update does not say which program and version it is, as every release of this program does.</source>
        <translation>このアプリのリリースにはすべて対象のアプリとバージョンが記載されていますが、このアップデートには記載されていません。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The update is a release of another program (%1).</source>
        <translation>このアップデートは別のアプリ（%1）のリリースです。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The update is build %1, not build %2 as the update feed announced.</source>
        <translation>このアップデートはビルド%1で、アップデートフィードで告知されたビルド%2ではありません。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The update is build %1, which is not newer than build %2 that runs now.</source>
        <translation>このアップデートはビルド%1で、現在実行中のビルド%2より新しくありません。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The update is build %1, which is not newer than build %2 installed already.</source>
        <translation>このアップデートはビルド%1で、インストール済みのビルド%2より新しくありません。</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>it did not say it is build %1</source>
        <translation>ビルド %1 であると応答しませんでした</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it ended with status %1: %2</source>
        <translation>終了ステータス %1 で終了しました：%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it was ended by signal %1 (%2)</source>
        <translation>シグナル %1 で終了しました（%2）</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it did not answer within %1 seconds</source>
        <translation>%1 秒以内に応答しませんでした</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The new version does not start on this computer (%1), so it was not installed.</source>
        <translation>新しいバージョンはこのコンピュータで起動しないため（%1）、インストールしませんでした。</translation>
    </message>
    <message>
        <location line="+72"/>
        <location line="+11"/>
        <source>The download is not the size the update feed gives for it.</source>
        <translation>ダウンロードしたファイルのサイズが、アップデートフィードに記載されたサイズと一致しません。</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>The update&apos;s version cannot name a folder.</source>
        <translation>アップデートのバージョン名をフォルダ名として使用できません。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The download is not signed by the publisher of this program.</source>
        <translation>ダウンロードしたファイルには、このアプリの発行元による署名がありません。</translation>
    </message>
    <message>
        <location line="+167"/>
        <source>Another copy of this program is installing an update into %1 right now.</source>
        <translation>このアプリの別のコピーが、現在「%1」にアップデートをインストールしています。</translation>
    </message>
    <message>
        <location line="-131"/>
        <source>The download changed while it was being installed.</source>
        <translation>インストール中に、ダウンロードしたファイルが変更されました。</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>The update could not be unpacked as a release of this program.</source>
        <translation>アップデートを、このアプリのリリースとして展開できませんでした。</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>The update holds a link that leads out of the release.</source>
        <translation>アップデートに、リリースの外部を参照するリンクが含まれています。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The update is made for another kind of computer: %1 is not a program for this one.</source>
        <translation>このアップデートは別の種類のコンピュータ向けです：%1 はこのコンピュータ用のプログラムではありません。</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>The update could not be put beside the installed version: %1</source>
        <translation>アップデートをインストール済みのバージョンと並べて配置できませんでした：%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The update could not be written to the disk in %1: %2.</source>
        <translation>「%1」でアップデートをディスクに書き込めませんでした：%2。</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+16"/>
        <source>The new version could not be made current: %1</source>
        <translation>新しいバージョンを現在のバージョンに切り替えられませんでした：%1</translation>
    </message>
</context>
<context>
    <name>quillon::UpdateWindows</name>
    <message>
        <location filename="../studio/application/update_windows.cpp" line="+68"/>
        <source>Check for updates automatically?</source>
        <translation>アップデートを自動的に確認しますか？</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Should Quillon automatically check for updates?</source>
        <translation>Quillonでアップデートを自動的に確認しますか？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You can always check for updates manually from the Help menu, and change this in Settings.</source>
        <translation>アップデートは「ヘルプ」メニューからいつでも手動で確認できます。この設定は「設定」で変更できます。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Check Automatically</source>
        <translation>自動的に確認</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Don&apos;t Check</source>
        <translation>確認しない</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+92"/>
        <source>Software Update</source>
        <translation>ソフトウェアアップデート</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>&lt;b&gt;A new version of Quillon is available!&lt;/b&gt;</source>
        <translation>&lt;b&gt;Quillonの新しいバージョンを利用できます！&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quillon %1 is now available — you have %2. Would you like to install it now?</source>
        <extracomment>%1 is the new version, %2 the version the user has.</extracomment>
        <translation>Quillon %1を利用できます（お使いのバージョンは%2です）。今すぐインストールしますか？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quillon %1 is now available — you have %2. Would you like to open its download page?</source>
        <translation>Quillon %1を利用できます（お使いのバージョンは%2です）。ダウンロードページを開きますか？</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;b&gt;Release Notes:&lt;/b&gt;</source>
        <translation>&lt;b&gt;リリースノート：&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Release Notes</source>
        <translation>リリースノート</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No release notes were given.</source>
        <translation>リリースノートはありません。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Skip This Version</source>
        <translation>このバージョンをスキップ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remind Me Later</source>
        <translation>後で通知</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Install Update</source>
        <translation>アップデートをインストール</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>You&apos;re up to date!</source>
        <translation>最新の状態です！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillon %1 is currently the newest version available.</source>
        <extracomment>%1 is the version the user has.</extracomment>
        <translation>Quillon %1は現在入手できる最新バージョンです。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Downloading the update…</source>
        <translation>アップデートをダウンロードしています…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Checking and installing the update…</source>
        <translation>アップデートを検証してインストールしています…</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cancel</source>
        <comment>stops the update under way</comment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Update Installed</source>
        <translation>アップデートのインストール完了</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillon %1 is installed.</source>
        <extracomment>%1 is the version just installed.</extracomment>
        <translation>Quillon %1をインストールしました。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Relaunch now to start using it? Otherwise it starts the next time you open Quillon.</source>
        <translation>今すぐ再起動して使い始めますか？再起動しない場合は、次回Quillonを開いたときから使用されます。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Relaunch Now</source>
        <translation>今すぐ再起動</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Later</source>
        <comment>relaunch after an update</comment>
        <translation>後で</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+12"/>
        <source>Update Error!</source>
        <translation>アップデートエラー！</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>%1

The installed version was not changed.</source>
        <extracomment>%1 is what went wrong, as the updater tells it.</extracomment>
        <translation>%1

インストール済みのバージョンは変更されていません。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The update to build %1 could not start on this computer, so the version you had before is running again.</source>
        <extracomment>%1 is the build that was installed by the last update.</extracomment>
        <translation>ビルド %1 へのアップデートはこのコンピュータで起動できなかったため、以前のバージョンに戻しました。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>That build is skipped: it is offered again only when you check for updates yourself.</source>
        <translation>このビルドはスキップされます。ご自身でアップデートを確認したときにのみ、再び表示されます。</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Check for Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This build doesn&apos;t update itself</source>
        <translation>このビルドは自動アップデートされません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This is a development build of Quillon: it will not replace itself with the version on %1. Copies downloaded from %1 check for updates automatically.</source>
        <extracomment>%1 is the host name of the product&apos;s web site.</extracomment>
        <translation>これはQuillonの開発ビルドのため、%1で公開されているバージョンに自動で置き換わることはありません。%1からダウンロードしたコピーは、アップデートを自動的に確認します。</translation>
    </message>
</context>
<context>
    <name>quillon::WidgetConfiguration</name>
    <message>
        <location filename="../lampwork/widget_configuration.cpp" line="+35"/>
        <source>Same as App</source>
        <translation>アプリと同じ</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Cities</source>
        <translation>都市</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave empty to use the app&apos;s cities.</source>
        <translation>空欄の場合はアプリの都市を使用します。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>City</source>
        <translation>都市</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave empty to use the app&apos;s city.</source>
        <translation>空欄の場合はアプリの都市を使用します。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Period</source>
        <translation>期間</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Title</source>
        <comment>what a countdown counts to</comment>
        <translation>タイトル</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leave empty to use the app&apos;s title.</source>
        <translation>空欄の場合はアプリのタイトルを使用します。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Date</source>
        <comment>when a countdown ends</comment>
        <translation>日時</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leave empty to use the app&apos;s date.</source>
        <translation>空欄の場合はアプリの日時を使用します。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave empty to use the app&apos;s message.</source>
        <translation>空欄の場合はアプリのメッセージを使用します。</translation>
    </message>
</context>
<context>
    <name>quillon::WidgetFamily</name>
    <message>
        <location filename="../widget_plugin/widget_plugin.cpp" line="+23"/>
        <source>Small</source>
        <extracomment>A widget&apos;s size, in its menu and in the gallery</extracomment>
        <translation>小</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Large</source>
        <extracomment>A widget&apos;s size, in its menu and in the gallery</extracomment>
        <translation>大</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Extra Large</source>
        <extracomment>A widget&apos;s size, in its menu and in the gallery</extracomment>
        <translation>特大</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Medium</source>
        <extracomment>A widget&apos;s size, in its menu and in the gallery</extracomment>
        <translation>中</translation>
    </message>
</context>
<context>
    <name>quillon::WidgetHostBus</name>
    <message>
        <location filename="../platform/session_bus/widget_host_bus.cpp" line="+28"/>
        <source>Quillon Widgets is not installed for this session: the session bus has no service com.quillon.WidgetHost.</source>
        <extracomment>Why a widget could not be placed: the session bus knows no widget host</extracomment>
        <translation>Quillon Widgetsはこのセッション用にインストールされていません。セッションバスにサービス com.quillon.WidgetHost がありません。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quillon Widgets could not start (%1). Run quillon-widgets in a terminal to see why.</source>
        <extracomment>Why a widget could not be placed; %1 is the session bus&apos;s own words, such as &quot;Process com.quillon.WidgetHost exited with status 1&quot;</extracomment>
        <translation>Quillon Widgetsを起動できませんでした（%1）。原因を確認するには、ターミナルで quillon-widgets を実行してください。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quillon Widgets did not answer.</source>
        <extracomment>Why a widget could not be placed: the widget host took too long</extracomment>
        <translation>Quillon Widgetsから応答がありませんでした。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quillon Widgets could not be reached: %1 (%2).</source>
        <extracomment>Why a widget could not be placed; %1 is the session bus&apos;s error, %2 its words</extracomment>
        <translation>Quillon Widgetsに接続できませんでした：%1（%2）。</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>There is no session bus to reach Quillon Widgets on.</source>
        <extracomment>Why a widget could not be placed</extracomment>
        <translation>Quillon Widgetsに接続するためのセッションバスがありません。</translation>
    </message>
</context>
<context>
    <name>quillon::widgethost::LiveWidget</name>
    <message>
        <location filename="../widgethost/host/live_widget.cpp" line="+151"/>
        <source>Edit Widget…</source>
        <translation>このウィジェットを編集…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Size</source>
        <extracomment>The submenu, or the heading, of a widget&apos;s sizes</extracomment>
        <translation>サイズ</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Remove Widget</source>
        <translation>ウィジェットを削除</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Edit Widgets…</source>
        <extracomment>Opens the gallery, where widgets are added</extracomment>
        <translation>ウィジェットを編集…</translation>
    </message>
</context>
<context>
    <name>quillon::widgethost::PlacedWidgetsPanel</name>
    <message>
        <location filename="../widgethost/settings/placed_widgets_panel.cpp" line="+37"/>
        <source>%1, %2</source>
        <extracomment>A placed widget in the list of them: %1 its name, such as &quot;Clock&quot;; %2 its size</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, %2, on %3</source>
        <extracomment>A placed widget in the list of them: %1 its name; %2 its size; %3 its screen, such as HDMI-1</extracomment>
        <translation>%1、%2、%3</translation>
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
        <translation>配置済みのウィジェット</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>No widget is on the desktop yet. Add one below.</source>
        <translation>デスクトップにはまだウィジェットがありません。下から追加してください。</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Move to Screen</source>
        <extracomment>The button that opens a menu of the screens the chosen widget can be moved to</extracomment>
        <translation>画面を移動</translation>
    </message>
</context>
<context>
    <name>quillon::widgethost::WidgetEditor</name>
    <message>
        <location filename="../widgethost/editor/widget_editor.cpp" line="+115"/>
        <source>Set</source>
        <extracomment>Beside a date and time that may be left unset: checked, the date counts</extracomment>
        <translation>指定</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Set %1</source>
        <extracomment>The &quot;Set&quot; check box&apos;s name for screen readers; %1 is the date&apos;s title, such as &quot;Date&quot;.</extracomment>
        <translation>%1を指定</translation>
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
        <translation>デフォルト</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Search %1</source>
        <extracomment>A search field&apos;s name for screen readers; %1 is what it searches, such as &quot;Cities&quot;.</extracomment>
        <translation>%1を検索</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Drag, or press Alt+Up or Alt+Down, to change the order.</source>
        <extracomment>Over a list of check boxes whose order counts, such as cities</extracomment>
        <translation>ドラッグするか、Alt+↑ または Alt+↓ を押して順序を変更します。</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Clear</source>
        <extracomment>Empties a setting whose default is no value</extracomment>
        <translation>クリア</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear %1</source>
        <extracomment>For the button that empties a setting, %1 being the setting&apos;s name</extracomment>
        <translation>%1をクリア</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reset</source>
        <extracomment>Puts a setting back to its default</extracomment>
        <translation>リセット</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset %1</source>
        <extracomment>For the button that puts a setting back to its default, %1 being the setting&apos;s name</extracomment>
        <translation>%1をリセット</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Leave %1 empty</source>
        <extracomment>%1 is a setting&apos;s name</extracomment>
        <translation>%1を空欄にする</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Back to “%1”</source>
        <extracomment>%1 is the name of the choice a setting goes back to</extracomment>
        <translation>「%1」に戻す</translation>
    </message>
</context>
<context>
    <name>quillon::widgethost::WidgetHost</name>
    <message>
        <location filename="../widgethost/settings/widget_gallery.cpp" line="+31"/>
        <source>Add Small</source>
        <extracomment>The gallery&apos;s button that adds the widget at its small size</extracomment>
        <translation>小サイズで追加</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add Large</source>
        <extracomment>The gallery&apos;s button that adds the widget at its large size</extracomment>
        <translation>大サイズで追加</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add Extra Large</source>
        <extracomment>The gallery&apos;s button that adds the widget at its extra large size</extracomment>
        <translation>特大サイズで追加</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add Medium</source>
        <extracomment>The gallery&apos;s button that adds the widget at its medium size</extracomment>
        <translation>中サイズで追加</translation>
    </message>
    <message>
        <location filename="../widgethost/host/widget_host.cpp" line="+33"/>
        <source>top left</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, top left of screen HDMI-1&quot;</extracomment>
        <translation>左上</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>top</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, top of screen HDMI-1&quot;</extracomment>
        <translation>上部</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>top right</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, top right of screen HDMI-1&quot;</extracomment>
        <translation>右上</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>left</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, left of screen HDMI-1&quot;</extracomment>
        <translation>左側</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>middle</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, middle of screen HDMI-1&quot;</extracomment>
        <translation>中央</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>right</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, right of screen HDMI-1&quot;</extracomment>
        <translation>右側</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bottom left</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, bottom left of screen HDMI-1&quot;</extracomment>
        <translation>左下</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bottom</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, bottom of screen HDMI-1&quot;</extracomment>
        <translation>下部</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>bottom right</source>
        <extracomment>Where on a screen a widget was placed: &quot;…on your desktop, bottom right of screen HDMI-1&quot;</extracomment>
        <translation>右下</translation>
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
        <translation>ギャラリーとウィジェットの設定を開けません。%1 を起動できません。Quillon をもう一度インストールすると元に戻ります。</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>No widget plug-in is installed in %1, so there is no widget to place. Installing Quillon again brings it back.</source>
        <extracomment>%1 is the folder the widget plug-ins are looked for in</extracomment>
        <translation>「%1」にウィジェットプラグインがインストールされていないため、配置できるウィジェットがありません。Quillonを再インストールすると元に戻ります。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The %1 widget does not come in the size %2.</source>
        <extracomment>%1 is a widget&apos;s name, such as &quot;Clock&quot;; %2 a size, such as &quot;Extra Large&quot;</extracomment>
        <translation>「%1」ウィジェットには「%2」サイズがありません。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 widgets are placed, the most there can be. Remove one to place another.</source>
        <extracomment>%1 is the most widgets there can be on the desktop, 1,000</extracomment>
        <translation>ウィジェットはすでに上限の%1個が配置されています。別のウィジェットを配置するには、1つ削除してください。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The widget was not placed, as it could not be saved: %1.</source>
        <extracomment>%1 says why, as in &quot;the folder ~/.config/quillon is read-only&quot;</extracomment>
        <translation>ウィジェットを保存できなかったため、配置しませんでした：%1。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Placed the %1 widget on your desktop, %2.</source>
        <extracomment>%1 is a widget&apos;s name, such as &quot;Clock&quot;; %2 where on the screen, such as &quot;top left&quot;</extracomment>
        <translation>「%1」ウィジェットをデスクトップの%2に配置しました。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Placed the %1 widget on your desktop, %2 of screen %3.</source>
        <extracomment>%1 is a widget&apos;s name, such as &quot;Clock&quot;; %2 where on the screen, such as &quot;top left&quot;; %3 the screen&apos;s name, such as HDMI-1</extracomment>
        <translation>「%1」ウィジェットをデスクトップに配置しました（画面 %3 の%2）。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No widget plug-in has a widget of the kind “%1”.</source>
        <extracomment>%1 is the kind of widget asked for, as the program names it</extracomment>
        <translation>「%1」という種類のウィジェットを提供するウィジェットプラグインはありません。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No widget plug-in was found in %1, so no widget can be shown. Your placed widgets are kept and come back once it is there.</source>
        <extracomment>%1 is the folder the widget plug-ins are looked for in</extracomment>
        <translation>「%1」にウィジェットプラグインが見つからないため、ウィジェットを表示できません。配置したウィジェットは保持され、プラグインが見つかると再び表示されます。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your placed widgets could not be read: %1. The file is kept as %2, and the desktop started without them.</source>
        <extracomment>%1 says why, as in &quot;~/.config/quillon/widgets.json is damaged&quot;; %2 where the file is kept</extracomment>
        <translation>配置したウィジェットを読み込めませんでした：%1。ファイルは「%2」として保管してあり、デスクトップはウィジェットなしで起動しました。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your placed widgets could not be read: %1. The file is left as it is, and nothing is saved over it.</source>
        <extracomment>%1 says why, as in &quot;~/.config/quillon/widgets.json may not be read&quot;</extracomment>
        <translation>配置したウィジェットを読み込めませんでした：%1。ファイルはそのまま残し、上書きはしません。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The last change to your widgets could not be saved: %1.</source>
        <extracomment>%1 says why, as in &quot;the folder ~/.config/quillon is read-only&quot;</extracomment>
        <translation>ウィジェットへの最後の変更を保存できませんでした：%1。</translation>
    </message>
    <message>
        <location filename="../widgethost/settings/widget_gallery.cpp" line="+9"/>
        <source>Edit Widgets</source>
        <extracomment>The gallery&apos;s title: the widgets there are added to the desktop</extracomment>
        <translation>ウィジェットを編集</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Status</source>
        <extracomment>The gallery&apos;s note, for screen readers: what the last Add did, or what stands in the way</extracomment>
        <translation>ステータス</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1, %2</source>
        <extracomment>A size&apos;s picture in the gallery, for screen readers: the widget&apos;s name, then the size.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <location filename="../widgethost/host/widget_host.cpp" line="+262"/>
        <source>There is no widget size “%1”.</source>
        <extracomment>%1 is the size asked for, as the program names it</extracomment>
        <translation>「%1」というウィジェットサイズはありません。</translation>
    </message>
</context>
<context>
    <name>quillon::widgethost::WidgetWindow</name>
    <message>
        <location filename="../widgethost/desktops/widget_accessibility.cpp" line="+29"/>
        <source>%1: %2</source>
        <extracomment>A widget on the desktop, for screen readers: %1 its name, such as &quot;Clock&quot;; %2 what it shows now</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
</TS>
