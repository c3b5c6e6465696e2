// SPDX-License-Identifier: MIT
#include "content/pictures/Catalogue.h"

#include "content/pictures/Counting.h"
#include "content/pictures/Figures.h"
#include "content/pictures/Flags.h"
#include "content/pictures/Maps.h"
#include "content/pictures/Riddles.h"
#include "content/pictures/Signs.h"
#include "content/pictures/Solids.h"

namespace qv::pictures {
namespace {

PictureEntry flag(const char* question, const char* country) {
    return {question, country, [country](Canvas& canvas) {
                canvas.paintStage();
                return drawFlag(canvas, country);
            }};
}

template <typename Draw> PictureEntry figure(const char* question, const char* answer, Draw draw) {
    return {question, answer, [draw](Canvas& canvas) {
                draw(canvas);
                return true;
            }};
}

std::vector<PictureEntry> build() {
    return {
        flag("Which country's flag is shown in the picture?", "Japan"),
        flag("This flag belongs to which country?", "France"),
        flag("Which country flies this black, red and gold flag?", "Germany"),
        flag("Which country has this square flag?", "Switzerland"),
        flag("Which country's flag has these nine stripes?", "Greece"),
        flag("Which European country does this flag belong to?", "Belgium"),
        flag("Which Nordic country's flag is shown here?", "Finland"),
        flag("Look carefully at the order of the colours: whose flag is this?", "Ireland"),
        flag("Which country flies this flag?", "Norway"),
        flag("Name the country that uses this flag.", "Iceland"),
        flag("This horizontal tricolour is the flag of which country?", "Bulgaria"),
        figure("What time does this clock show?", "3 o'clock",
               [](Canvas& c) { drawClock(c, 3, 0); }),
        figure("What colour do you get by mixing these two paints?", "Green",
               [](Canvas& c) { drawPaintMix(c, hex(0x2F6FD6), hex(0xF7D117)); }),
        figure("What fraction of this circle is shaded?", "1/4",
               [](Canvas& c) { drawPie(c, 4, 1); }),
        figure("What is the name of this shape?", "Pentagon",
               [](Canvas& c) { drawRegularPolygon(c, 5); }),
        figure("What fraction of this pie is shaded?", "3/8", [](Canvas& c) { drawPie(c, 8, 3); }),
        figure("What kind of angle is marked in this picture?", "Obtuse",
               [](Canvas& c) { drawAngle(c, 125); }),
        figure("What is the name of this regular polygon?", "Heptagon",
               [](Canvas& c) { drawRegularPolygon(c, 7); }),
        figure("The dot patterns grow by a rule. How many dots will the next pattern have?", "15",
               [](Canvas& c) { drawTriangleNumbers(c); }),
        figure("How many triangles of any size are there in this figure?", "6",
               [](Canvas& c) { drawSplitTriangle(c, 3); }),
        figure("How many squares of any size can you find in this grid?", "14",
               [](Canvas& c) { drawSquareGrid(c, 3); }),
        figure("Where these two coloured lights overlap, what colour do you see?", "Yellow",
               [](Canvas& c) { drawLightMix(c, hex(0xFF0000), hex(0x00FF00)); }),
        figure("What is the total of the spots on these two dice?", "9",
               [](Canvas& c) { drawTwoDice(c, 4, 5); }),
        figure("In which direction is the red arrow pointing?", "South-east",
               [](Canvas& c) { drawCompass(c, 135); }),
        figure("What time is shown on this clock face?", "10:40",
               [](Canvas& c) { drawClock(c, 10, 40); }),
        figure("On a standard die, which number is on the face opposite the one shown?", "5",
               [](Canvas& c) { drawOneDie(c, 2); }),
        figure("What is the proper name of this mathematical sign?", "Obelus",
               [](Canvas& c) { drawCard(c, "\u00F7", 200, true); }),
        figure("How many stars can you count in this picture?", "5",
               [](Canvas& c) { drawObjects(c, "sssss"); }),
        figure("What number do these tally marks show?", "8", [](Canvas& c) { drawTally(c, 8); }),
        figure("What number do these tally marks stand for?", "13",
               [](Canvas& c) { drawTally(c, 13); }),
        figure("What does this round road sign mean?", "No entry",
               [](Canvas& c) { drawRoadSign(c, RoadSign::NoEntry); }),
        figure("What does this upside-down triangle sign tell drivers to do?", "Give way",
               [](Canvas& c) { drawRoadSign(c, RoadSign::GiveWay); }),
        figure("What is the name of this symbol?", "Ampersand",
               [](Canvas& c) { drawCard(c, "&", 190); }),
        figure("What is the name of this wavy symbol?", "Tilde",
               [](Canvas& c) { drawCard(c, "~", 220); }),
        figure("In Morse code, which letter is this?", "C",
               [](Canvas& c) { drawMorse(c, "-.-."); }),
        figure("Which year is written here in Roman numerals?", "1966",
               [](Canvas& c) { drawCard(c, "MCMLXVI", 110, true); }),
        figure(
            "If a lit lamp means 1 and a dark one 0, which number do these lamps show in binary?",
            "13", [](Canvas& c) { drawLamps(c, "1101"); }),
        figure("Lawyers use this symbol to point to a part of a law. What is it called?",
               "Section sign", [](Canvas& c) { drawCard(c, "\u00A7", 190); }),
        figure("Typesetters use this mark to begin a new paragraph. What is it called?", "Pilcrow",
               [](Canvas& c) { drawCard(c, "\u00B6", 190); }),
        figure("This punctuation mark joins two others in one. What is it called?", "Interrobang",
               [](Canvas& c) { drawCard(c, "\u203D", 190, true); }),
        figure("How many balloons are there in this picture?", "7",
               [](Canvas& c) { drawObjects(c, "bbbbbbb"); }),
        figure("How many triangles are there in this picture?", "6",
               [](Canvas& c) { drawObjects(c, "tcqtctqtcqtct"); }),
        figure("What does this mathematical symbol stand for?", "Infinity",
               [](Canvas& c) { drawCard(c, "\u221E", 200); }),
        figure("What does this symbol stand for?", "Peace",
               [](Canvas& c) { drawSymbol(c, Symbol::Peace); }),
        figure("Which Greek letter is this?", "Pi", [](Canvas& c) { drawCard(c, "\u03C0", 190); }),
        figure("Which solid could cast both of these shadows?", "Cylinder",
               [](Canvas& c) { drawShadows(c, Outline2d::Circle, Outline2d::TallRectangle); }),
        figure("What danger does this yellow and black symbol warn of?", "Radiation",
               [](Canvas& c) { drawSymbol(c, Symbol::Radiation); }),
        figure("Which country's currency uses this symbol?", "India",
               [](Canvas& c) { drawCard(c, "\u20B9", 180); }),
        figure("In mathematics, what does this Greek capital letter tell you to do?", "Add up",
               [](Canvas& c) { drawCard(c, "\u03A3", 190); }),
        figure("What colour appears where these two beams of light cross?", "Cyan",
               [](Canvas& c) { drawLightMix(c, hex(0x00FF00), hex(0x0000FF)); }),
        figure("In Britain, what does this red cross on a blue sign mean?", "No stopping",
               [](Canvas& c) { drawRoadSign(c, RoadSign::NoStopping); }),
        figure("Mix these two paints together. What colour do you get?", "Orange",
               [](Canvas& c) { drawPaintMix(c, hex(0xE53935), hex(0xF7D117)); }),
        figure("Which playing-card suit is this symbol?", "Spades",
               [](Canvas& c) { drawCard(c, "\u2660", 190); }),
        flag("Which country flies this two-coloured flag?", "Ukraine"),
        figure("On the first pages of a book, what does this symbol stand for?", "Copyright",
               [](Canvas& c) { drawCard(c, "\u00A9", 190); }),
        figure("Ships once sent this Morse code signal in an emergency. What does it spell?", "SOS",
               [](Canvas& c) { drawMorse(c, "... --- ..."); }),
        figure("What solid can be folded from this net?", "Square-based pyramid",
               [](Canvas& c) { drawNet(c, Net::SquarePyramid); }),
        figure("In written music, what is this sign called?", "Flat",
               [](Canvas& c) { drawCard(c, "\u266D", 190); }),
        figure("How many lines of symmetry does this rectangle have?", "2",
               [](Canvas& c) { drawRectangle(c); }),
        figure("What number comes next in this pattern?", "42",
               [](Canvas& c) { drawCard(c, "2, 6, 12, 20, 30, ?", 58); }),
        flag("Which South-East Asian country flies this flag?", "Thailand"),
        figure("Counting every size, how many triangles does this figure hold?", "10",
               [](Canvas& c) { drawSplitTriangle(c, 4); }),
        figure("What is the smaller angle, in degrees, between the hands of this clock?", "75",
               [](Canvas& c) { drawClock(c, 3, 30); }),
        figure("On a music player, what does this button do?", "Pause",
               [](Canvas& c) { drawSymbol(c, Symbol::Pause); }),
        figure("Which currency has this symbol?", "Euro",
               [](Canvas& c) { drawCard(c, "\u20AC", 180); }),
        figure("A red sign of this shape tells drivers to do what?", "Stop",
               [](Canvas& c) { drawRoadSign(c, RoadSign::Stop); }),
        figure("What do you get if you multiply the numbers on these two dice?", "24",
               [](Canvas& c) { drawTwoDice(c, 4, 6); }),
        figure("Which of the two red lines is longer?", "They are the same length",
               [](Canvas& c) { drawArrowLines(c); }),
        figure("On British traffic lights, what comes on after the red light shown here?",
               "Red and amber", [](Canvas& c) { drawTrafficLight(c, true, false, false); }),
        figure("From above and from the side, a solid casts these shadows. Which solid is it?",
               "Square-based pyramid",
               [](Canvas& c) { drawShadows(c, Outline2d::Square, Outline2d::Triangle); }),
        figure("Folded up, this net makes which solid?", "Triangular prism",
               [](Canvas& c) { drawNet(c, Net::TriangularPrism); }),
        figure("What does this sign mean on a British road?", "National speed limit",
               [](Canvas& c) { drawRoadSign(c, RoadSign::NationalSpeedLimit); }),
        flag("Which country in northern Europe flies this flag?", "Estonia"),
        figure("Seen from the northern hemisphere, what is this phase of the Moon?",
               "Waning gibbous", [](Canvas& c) { drawMoon(c, 0.72, false); }),
        figure("How many rectangles of any size, squares included, are there in this grid?", "100",
               [](Canvas& c) { drawSquareGrid(c, 4); }),
        figure("Which planet is famous for the wide rings shown here?", "Saturn",
               [](Canvas& c) { drawRingedPlanet(c); }),
        {"Which continent has this shape?", "Africa",
         [](Canvas& c) { return drawOutline(c, "Africa"); }},
        figure("What does this symbol on a button usually mean?", "Power",
               [](Canvas& c) { drawSymbol(c, Symbol::Power); }),
        figure("Which word describes the angle marked here?", "Acute",
               [](Canvas& c) { drawAngle(c, 40); }),
        figure("These are the shadows of one solid. Which solid?", "Cone",
               [](Canvas& c) { drawShadows(c, Outline2d::Circle, Outline2d::Triangle); }),
        figure("What must a driver do at this round blue sign?", "Go straight ahead",
               [](Canvas& c) { drawRoadSign(c, RoadSign::AheadOnly); }),
        flag("Which country flies this white, blue and red flag?", "Russia"),
        figure("Seen from above and from the side, these are one solid's shadows. What is it?",
               "Triangular prism",
               [](Canvas& c) { drawShadows(c, Outline2d::Triangle, Outline2d::WideRectangle); }),
        figure("These two beams of light overlap. What colour appears where they meet?", "Magenta",
               [](Canvas& c) { drawLightMix(c, hex(0xFF0000), hex(0x0000FF)); }),
        {"Which country has this outline?", "Australia",
         [](Canvas& c) { return drawOutline(c, "Australia"); }},
        {"Which continent is outlined here?", "South America",
         [](Canvas& c) { return drawOutline(c, "South America"); }},
        figure("Which solid does this net fold into?", "Cube",
               [](Canvas& c) { drawNet(c, Net::Cube); }),
        figure("What number comes next in this sequence?", "36",
               [](Canvas& c) { drawCard(c, "1, 4, 9, 16, 25, ?", 60); }),
        figure("Which of the two orange circles in the middle is bigger?",
               "Neither: they are equal", [](Canvas& c) { drawRingedCircles(c); }),
        figure("These dice lie on a table. Opposite faces add up to 7: what do the two faces "
               "touching the table total?",
               "6", [](Canvas& c) { drawTwoDice(c, 3, 5); }),
        flag("Which South American country's flag is this?", "Colombia"),
        figure("What does this symbol mean in a mathematical proof?", "Therefore",
               [](Canvas& c) { drawThereforeCard(c); }),
        figure("What time does this clock say?", "Half past six",
               [](Canvas& c) { drawClock(c, 6, 30); }),
        figure("A solid casts these two shadows. Which solid is it?", "Sphere",
               [](Canvas& c) { drawShadows(c, Outline2d::Circle, Outline2d::Circle); }),
        figure("Count every square, large and small. How many are there?", "5",
               [](Canvas& c) { drawSquareGrid(c, 2); }),
        figure("If it is afternoon, what time does this clock show on the 24-hour clock?", "17:15",
               [](Canvas& c) { drawClock(c, 5, 15); }),
        figure("What angle, in degrees, do the hands of this clock make?", "120",
               [](Canvas& c) { drawClock(c, 4, 0); }),
        figure("The arrow points north. After a quarter turn anticlockwise, where will it point?",
               "West", [](Canvas& c) { drawCompass(c, 0); }),
        figure("What fraction of this circle is shaded, in its simplest form?", "2/3",
               [](Canvas& c) { drawPie(c, 6, 4); }),
        flag("Which central European country flies this flag?", "Poland"),
        figure("Seen from Britain, which phase of the Moon is this?", "Waxing crescent",
               [](Canvas& c) { drawMoon(c, 0.2, true); }),
        {"Which European country has this outline?", "Italy",
         [](Canvas& c) { return drawOutline(c, "Italy"); }},
        figure("How many more circles than squares are there in this picture?", "4",
               [](Canvas& c) { drawObjects(c, "cqccqcqcccqcqccqcq"); }),
        figure("How many lines of symmetry does this equilateral triangle have?", "3",
               [](Canvas& c) { drawRegularPolygon(c, 3); }),
        flag("Which country flies this dark red flag with a narrow white band?", "Latvia"),
        figure("What number do these Roman numerals show?", "14",
               [](Canvas& c) { drawCard(c, "XIV", 150, true); }),
        flag("Which country in the Arabian peninsula flies this plain tricolour?", "Yemen"),
        figure("What is the smaller angle, in degrees, between the hands on this clock face?",
               "22.5", [](Canvas& c) { drawClock(c, 9, 45); }),
        figure("Which word do these Morse code signals spell?", "QUIZ",
               [](Canvas& c) { drawMorse(c, "--.- ..- .. --.."); }),
        figure("In Braille, which letter do these raised dots stand for?", "W",
               [](Canvas& c) { drawBrailleCell(c, "010111"); }),
        figure("These stars make which constellation of the northern sky?", "Cassiopeia",
               [](Canvas& c) { drawConstellation(c, Constellation::Cassiopeia); }),
        figure("Fold this net into a cube. Which number ends up opposite the 1?", "4",
               [](Canvas& c) {
                   drawNumberedCubeNet(c, {1, 2, 4, 5, 3, 6});
               }),
        figure("This clock is seen in a mirror. What time does it really show?", "2:35",
               [](Canvas& c) { drawMirroredClock(c, 2, 35); }),
        figure("A chess knight stands on the gold square. How many different squares can it "
               "move to?",
               "6", [](Canvas& c) { drawKnightBoard(c, 1, 3); }),
        figure("This cube is painted red all over, then cut into 27 small cubes. How many of them "
               "have exactly two red faces?",
               "12", [](Canvas& c) { drawPaintedCube(c); }),
        figure("Seen from Europe, which phase of the Moon is shown here?", "Last quarter",
               [](Canvas& c) { drawMoon(c, 0.5, false); }),
        figure("Every row, column and diagonal of this magic square has the same total. Which "
               "number is missing?",
               "8",
               [](Canvas& c) {
                   drawNumberSquare(c, {2, 7, 6, 9, 5, 1, 4, 3, 0});
               }),
        figure("Both scales balance. How many squares would balance one triangle?", "4",
               [](Canvas& c) { drawBalances(c); }),
        figure("On these rails, which yellow bar is longer?", "They are the same length",
               [](Canvas& c) { drawRails(c); }),
        figure("Which constellation do these stars form?", "Cygnus",
               [](Canvas& c) { drawConstellation(c, Constellation::Cygnus); }),
    };
}

} // namespace

const std::vector<PictureEntry>& catalogue() {
    static const std::vector<PictureEntry> entries = build();
    return entries;
}

const PictureEntry* findPicture(const std::string& question, const std::string& answer) {
    for (const PictureEntry& entry : catalogue()) {
        if (entry.question == question && entry.answer == answer) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace qv::pictures
