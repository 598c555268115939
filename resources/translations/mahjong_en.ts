<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>FriendSearchWindow</name>
    <message numerus="yes">
        <source>%Ln user(s) found</source>
        <translation>
            <numerusform>%Ln user found</numerusform>
            <numerusform>%Ln users found</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MahjongApplication</name>
    <message numerus="yes">
        <source>%Ln min(s)</source>
        <translation>
            <numerusform>%Ln min</numerusform>
            <numerusform>%Ln min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message numerus="yes">
        <source>%nwins</source>
        <comment>don&apos;t include %n in translation, only used to get correct noun form</comment>
        <translation>
            <numerusform>win</numerusform>
            <numerusform>wins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%npts</source>
        <comment>don&apos;t include %n in translation, only used to get correct noun form</comment>
        <translation>
            <numerusform>pt</numerusform>
            <numerusform>pts</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SeatedWindow</name>
    <message numerus="yes">
        <source>You will automatically be unseated from this table in %Ln second(s)</source>
        <translation>
            <numerusform>You will automatically be unseated from this table in %Ln second</numerusform>
            <numerusform>You will automatically be unseated from this table in %Ln seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TableInfo</name>
    <message numerus="yes">
        <source>%1-%n fan(s)</source>
        <translation>
            <numerusform>%1-%n fan</numerusform>
            <numerusform>%1-%n fans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln second</numerusform>
            <numerusform>%Ln seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TablePreview</name>
    <message numerus="yes">
        <source>%1 (Max loss, at %n point(s) or lower)</source>
        <translation>
            <numerusform>%1 (Max loss, at %n point or lower)</numerusform>
            <numerusform>%1 (Max loss, at %n points or lower)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (Max loss, at -%n point(s) or lower)</source>
        <translation>
            <numerusform>%1 (Max loss, at -%n point or lower)</numerusform>
            <numerusform>%1 (Max loss, at -%n points or lower)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n hour</numerusform>
            <numerusform>%n hours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WaitingForPlayersWindow</name>
    <message numerus="yes">
        <source>Waiting for %n player(s) to join table.</source>
        <translation>
            <numerusform>Waiting for %n player to join table.</numerusform>
            <numerusform>Waiting for %n players to join table.</numerusform>
        </translation>
    </message>
</context>
</TS>
