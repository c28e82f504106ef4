<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>quillon::InspectorTexts</name>
    <message numerus="yes">
        <location filename="../studio/inspector/inspector_texts.cpp" line="+130"/>
        <source>%1 · in %n days</source>
        <extracomment>How many calendar days until the countdown&apos;s date. %1 is the date and time.</extracomment>
        <translation>
            <numerusform>%1 · in %n day</numerusform>
            <numerusform>%1 · in %n days</numerusform>
        </translation>
    </message>
</context>
</TS>
