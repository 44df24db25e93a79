#include "look.h"

#include <cmath>

namespace classifier::look {

QFont font(double points, bool bold) {
    QFont result;
    result.setFamilies({"Tahoma", "Noto Sans Arabic UI", "DejaVu Sans"});
    result.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    result.setWeight(bold ? QFont::Bold : QFont::Normal);
    result.setKerning(true);
    return result;
}

QFont fontFor(Style style) {
    switch (style) {
    case Style::Title:
    case Style::Field:
    case Style::Input:
    case Style::UnifiedResult:
    case Style::Calculate:
        return font(12, true);
    case Style::About:
    case Style::AboutLtr:
        return font(12, false);
    case Style::Banner:
        return font(8.25, true);
    case Style::Note:
        return font(8.25, false);
    case Style::Result:
    case Style::Xp:
        return font(9.75, true);
    case Style::Side:
        return font(9, true);
    case Style::None:
    case Style::Scratch:
        break;
    }
    return font(9.75, false);
}

QColor textColourFor(Style style) {
    switch (style) {
    case Style::About:
    case Style::AboutLtr:
        return oleColour(kBlue);
    case Style::Note:
    case Style::Result:
    case Style::UnifiedResult:
        return oleColour(kRed);
    case Style::Banner:
        return oleColour(kDarkRed);
    default:
        return oleColour(kBlack);
    }
}

Qt::LayoutDirection directionFor(Style style) {
    switch (style) {
    case Style::About:
    case Style::Note:
    case Style::Scratch:
    case Style::Input:
    case Style::Result:
    case Style::Side:
    case Style::Calculate:
        return Qt::RightToLeft;
    default:
        return Qt::LeftToRight;
    }
}

Qt::Alignment alignmentFor(Align align) {
    switch (align) {
    case Align::Left:
        return Qt::AlignLeft | Qt::AlignAbsolute;
    case Align::Right:
        return Qt::AlignRight | Qt::AlignAbsolute;
    case Align::Centre:
    case Align::None:
        break;
    }
    return Qt::AlignHCenter;
}

} // namespace classifier::look
