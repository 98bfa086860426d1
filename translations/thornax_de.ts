<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DesignControls</name>
    <message>
        <source>Thornax banner</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts the level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drill button, left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drill button, middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drill button, right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module 1: Installer Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rules are simple, just hit the [Next] button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you click wrong, time will be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 right clicks in the time for next level .</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You finished level %1.Get ready for the next one!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have completed this module!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time&apos;s out biatch! You scored %1 of 15.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining time:%1 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>A brown fox jumps over the river, which has been polluted by the acid rains.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A white man said that the yellow banana was rotten. The asian girl said, no it is not rotten!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A green basket on the green man had a green stick in his green hand and the green light said, May it be yellow!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please retype the following text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Just try to retype the text shown in this frame in the textbox below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chars / second:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCORE:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press this button to start the exercise!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typing box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retype the sentence here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sentence to retype</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module 2: Typing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chars / second: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed time: %1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCORE: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have completed this module!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Module 3: Scroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have completed this module!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magic number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bar %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value of bar %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Hereby, %1 is a Thornax certificated Windows%2 user.%3He can, and will use the operating system with full effiency.%3He is also considered indeed suitable for all kinds of jobs, such as programmer, network technician, even a member of the Frostlan tech-Crew.</source>
        <extracomment>%1 is the name typed, %2 the trade mark sign, %3 starts a new paragraph.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ThorNax Certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows%1 is a registered trademark of Microsoft%1 Coporation</source>
        <extracomment>%1 is the trade mark sign.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thornax Explorer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It seems as if that site is censored!%1We will direct you to an uncensored site!</source>
        <extracomment>%1 starts the second line.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module 1: The Installer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module 2: Scrolling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module 3: Typing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are already done with this module!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a contribution to the Mirelund Competition%1Made by the wonderful Thornax Studios</source>
        <extracomment>%1 starts the second line.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartupDecision</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt&apos;s standard options, such as -platform and -style, are accepted as well.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: drills hitting Next, holding scroll bars and retyping, then hands out a certificate. Nothing is saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the program takes none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set); start it from a desktop session, or on a virtual one with: xvfb-run %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebViewModule</name>
    <message>
        <source>The web view could not be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not found in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a web view module.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Total Score: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thornax logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About MyApp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Certification completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with %1 points!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
