<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>quillon::CityPicker</name>
    <message numerus="yes">
        <location filename="../studio/inspector/city_picker.cpp" line="+144"/>
        <source>%n cities</source>
        <extracomment>How many cities a search found, as screen readers say it and the list&apos;s description</extracomment>
        <translation>
            <numerusform>%n city</numerusform>
            <numerusform>%n cities</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillon::InspectorTexts</name>
    <message numerus="yes">
        <location filename="../studio/inspector/inspector_texts.cpp" line="+132"/>
        <source>%1 · in %n days</source>
        <extracomment>How many calendar days until the countdown&apos;s date. %1 is the date and time.</extracomment>
        <translation>
            <numerusform>%1 · in %n day</numerusform>
            <numerusform>%1 · in %n days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillon::SelfUpdater</name>
    <message numerus="yes">
        <location filename="../updater/self_updater.cpp" line="+246"/>
        <source>The update server did not send the update feed within %n second(s).</source>
        <comment>the feed&apos;s deadline</comment>
        <translation>
            <numerusform>The update server did not send the update feed within %n second.</numerusform>
            <numerusform>The update server did not send the update feed within %n seconds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-177"/>
        <source>The download was too slow to finish within %n minute(s).</source>
        <comment>the download&apos;s deadline</comment>
        <translation>
            <numerusform>The download was too slow to finish within %n minute.</numerusform>
            <numerusform>The download was too slow to finish within %n minutes.</numerusform>
        </translation>
    </message>
</context>
</TS>
