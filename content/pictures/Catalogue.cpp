#include "content/pictures/Catalogue.h"

#include "content/pictures/Figures.h"
#include "content/pictures/Flags.h"

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
        figure("What time does this clock show?", "3 o'clock",
               [](Canvas& c) { drawClock(c, 3, 0); }),
        flag("This flag belongs to which country?", "France"),
        figure("What colour do you get by mixing these two paints?", "Green",
               [](Canvas& c) { drawPaintMix(c, hex(0x2F6FD6), hex(0xF7D117)); }),
        flag("Which country flies this black, red and gold flag?", "Germany"),
        figure("What fraction of this circle is shaded?", "1/4",
               [](Canvas& c) { drawPie(c, 4, 1); }),
        figure("What is the total of the spots on these two dice?", "9",
               [](Canvas& c) { drawTwoDice(c, 4, 5); }),
        flag("Which country has this square flag?", "Switzerland"),
        figure("What is the name of this shape?", "Pentagon",
               [](Canvas& c) { drawRegularPolygon(c, 5); }),
        figure("In which direction is the red arrow pointing?", "South-east",
               [](Canvas& c) { drawCompass(c, 135); }),
        flag("Which country's flag has these nine stripes?", "Greece"),
        figure("What fraction of this pie is shaded?", "3/8", [](Canvas& c) { drawPie(c, 8, 3); }),
        flag("Which European country does this flag belong to?", "Belgium"),
        figure("What kind of angle is marked in this picture?", "Obtuse",
               [](Canvas& c) { drawAngle(c, 125); }),
        figure("What time is shown on this clock face?", "10:40",
               [](Canvas& c) { drawClock(c, 10, 40); }),
        flag("Which Nordic country's flag is shown here?", "Finland"),
        figure("What is the name of this regular polygon?", "Heptagon",
               [](Canvas& c) { drawRegularPolygon(c, 7); }),
        figure("On a standard die, which number is on the face opposite the one shown?", "5",
               [](Canvas& c) { drawOneDie(c, 2); }),
        flag("Look carefully at the order of the colours: whose flag is this?", "Ireland"),
        figure("The dot patterns grow by a rule. How many dots will the next pattern have?", "15",
               [](Canvas& c) { drawTriangleNumbers(c); }),
        flag("Which country flies this flag?", "Norway"),
        figure("How many triangles of any size are there in this figure?", "6",
               [](Canvas& c) { drawSplitTriangle(c, 3); }),
        flag("Name the country that uses this flag.", "Iceland"),
        figure("How many squares of any size can you find in this grid?", "14",
               [](Canvas& c) { drawSquareGrid(c, 3); }),
        flag("This horizontal tricolour is the flag of which country?", "Bulgaria"),
        figure("Where these two coloured lights overlap, what colour do you see?", "Yellow",
               [](Canvas& c) { drawLightMix(c, hex(0xFF0000), hex(0x00FF00)); }),
        flag("Whose national flag is shown here?", "Lithuania"),
        flag("This is the national flag of which country?", "Armenia"),
        flag("Which African country's flag is this?", "Sierra Leone"),
        flag("Which island nation's flag has these four stripes?", "Mauritius"),
        flag("Which Asian country's flag is this?", "Laos"),
        flag("Which Pacific nation's flag is shown?", "Palau"),
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
