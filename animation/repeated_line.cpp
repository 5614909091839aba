#include "repeated_line.h"

void ForgetLastLine(LastLine &last) {
    last.known = 0;
}

int IsRepeatedLine(LastLine &last, const LineSegment &line) {
    const LineSegment &l = last.line;
    if (last.known && l.x1 == line.x1 && l.y1 == line.y1 && l.x2 == line.x2 && l.y2 == line.y2) {
        return 1;
    }
    last.known = 1;
    last.line = line;
    return 0;
}
