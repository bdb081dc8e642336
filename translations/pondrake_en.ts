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
    <name>GameWindowAdapter</name>
    <message numerus="yes">
        <source>%n turtle(s) saved</source>
        <translation>
            <numerusform>%n turtle saved</numerusform>
            <numerusform>%n turtles saved</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n turtle(s) lost</source>
        <translation>
            <numerusform>%n turtle lost</numerusform>
            <numerusform>%n turtles lost</numerusform>
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
<context>
    <name>RecordingPlayer</name>
    <message numerus="yes">
        <source>the game ends on %n points, not %1</source>
        <translation>
            <numerusform>the game ends on %n point, not %1</numerusform>
            <numerusform>the game ends on %n points, not %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SetFile</name>
    <message numerus="yes">
        <source>a set&apos;s name is at most %n characters long</source>
        <translation>
            <numerusform>a set&apos;s name is at most %n character long</numerusform>
            <numerusform>a set&apos;s name is at most %n characters long</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>a set holds at most %n levels</source>
        <translation>
            <numerusform>a set holds at most %n level</numerusform>
            <numerusform>a set holds at most %n levels</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WorldTable</name>
    <message numerus="yes">
        <source>The world table takes at most %n byte(s) in one request.</source>
        <translation>
            <numerusform>The world table takes at most %n byte in one request.</numerusform>
            <numerusform>The world table takes at most %n bytes in one request.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A typed name is at most %n character(s) long.</source>
        <translation>
            <numerusform>A typed name is at most %n character long.</numerusform>
            <numerusform>A typed name is at most %n characters long.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The world table lists at most %n row(s) at once.</source>
        <translation>
            <numerusform>The world table lists at most %n row at once.</numerusform>
            <numerusform>The world table lists at most %n rows at once.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A set published has at most %n level(s), not %1.</source>
        <translation>
            <numerusform>A set published has at most %n level, not %1.</numerusform>
            <numerusform>A set published has at most %n levels, not %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The world table refused %n level(s) of the set.</source>
        <translation>
            <numerusform>The world table refused %n level of the set.</numerusform>
            <numerusform>The world table refused %n levels of the set.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Too many games sent from here: wait %n second(s).</source>
        <translation>
            <numerusform>Too many games sent from here: wait %n second.</numerusform>
            <numerusform>Too many games sent from here: wait %n seconds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Too many sets sent from here: wait %n second(s).</source>
        <translation>
            <numerusform>Too many sets sent from here: wait %n second.</numerusform>
            <numerusform>Too many sets sent from here: wait %n seconds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Too many requests from here: wait %n second(s).</source>
        <translation>
            <numerusform>Too many requests from here: wait %n second.</numerusform>
            <numerusform>Too many requests from here: wait %n seconds.</numerusform>
        </translation>
    </message>
</context>
</TS>
