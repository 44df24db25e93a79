#include "method_panels.h"

#include <cstdlib>

namespace classifier {
namespace {

Panel panelOf(Method method) {
    return method == Method::Unified ? Panel::Unified : Panel::Aashto;
}

template <class Test> std::vector<const ControlRow*> rowsOf(Method method, Test test) {
    std::vector<const ControlRow*> rows;
    for (const ControlRow& row : catalogue()) {
        if (row.panel == panelOf(method) && test(row.style)) {
            rows.push_back(&row);
        }
    }
    return rows;
}

} // namespace

std::vector<const ControlRow*> inputBoxes(Method method) {
    return rowsOf(method, [](Style style) { return style == Style::Input; });
}

std::vector<const ControlRow*> resultBoxes(Method method) {
    return rowsOf(method, [](Style style) {
        return style == Style::Result || style == Style::UnifiedResult;
    });
}

const ControlRow& calculateButton(Method method) {
    return *rowsOf(method, [](Style style) { return style == Style::Calculate; }).front();
}

const ControlRow& controlRow(std::string_view name) {
    for (const ControlRow& row : catalogue()) {
        if (row.name == name) {
            return row;
        }
    }
    std::abort(); // every name the window asks for is in its table
}

} // namespace classifier
