<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en_GB">
<context>
    <name>CheckCommand</name>
    <message numerus="yes">
        <source>Checking the level: the computer player and nobody at the board, %Ln runs each</source>
        <translation>
            <numerusform>Checking the level: the computer player and nobody at the board, %Ln run each</numerusform>
            <numerusform>Checking the level: the computer player and nobody at the board, %Ln runs each</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CheckLevelWindow</name>
    <message numerus="yes">
        <source>passes %1 of %Ln runs (%2%)</source>
        <translation>
            <numerusform>passes %1 of %Ln run (%2%)</numerusform>
            <numerusform>passes %1 of %Ln runs (%2%)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 runs went ten simulated minutes without the level ending</source>
        <translation>
            <numerusform>%Ln of %1 runs went ten simulated minutes without the level ending</numerusform>
            <numerusform>%Ln of %1 runs went ten simulated minutes without the level ending</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LevelSetDialog</name>
    <message numerus="yes">
        <source>%Ln levels</source>
        <translation>
            <numerusform>%Ln level</numerusform>
            <numerusform>%Ln levels</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PublishCommand</name>
    <message numerus="yes">
        <source>The table&apos;s judges play the levels: %Ln of %1 judged.</source>
        <translation>
            <numerusform>The table&apos;s judges play the levels: %Ln of %1 judged.</numerusform>
            <numerusform>The table&apos;s judges play the levels: %Ln of %1 judged.</numerusform>
        </translation>
    </message>
</context>
</TS>
