#include "panels.h"

#include "widgets/banner_label.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

namespace classifier {
namespace {

template <class Widget> void put(Widget*& slot, QWidget* widget) {
    slot = qobject_cast<Widget*>(widget);
    Q_ASSERT(slot);
}

void bindFrame(Role role, QWidget* widget, FrameControls& frame) {
    switch (role) {
    case Role::ShowUnified:
        return put(frame.showUnified, widget);
    case Role::ShowAashto:
        return put(frame.showAashto, widget);
    case Role::ShowAbout:
        return put(frame.showAbout, widget);
    case Role::Exit:
        return put(frame.exit, widget);
    case Role::Banner:
        return put(frame.banner, widget);
    default:
        return;
    }
}

void bindUnified(Role role, QWidget* widget, UnifiedPanel& panel) {
    switch (role) {
    case Role::UnifiedFines:
        return put(panel.fines, widget);
    case Role::UnifiedPassingNo4:
        return put(panel.passingNo4, widget);
    case Role::UnifiedLiquidLimit:
        return put(panel.liquidLimit, widget);
    case Role::UnifiedPlasticityIndex:
        return put(panel.plasticityIndex, widget);
    case Role::UnifiedCc:
        return put(panel.cc, widget);
    case Role::UnifiedCu:
        return put(panel.cu, widget);
    case Role::UnifiedCalculate:
        return put(panel.calculate, widget);
    case Role::UnifiedSymbol:
        return put(panel.symbol, widget);
    case Role::TypeLetter:
        return put(panel.typeLetter, widget);
    case Role::SecondLetter:
        return put(panel.secondLetter, widget);
    case Role::GradationLetter:
        return put(panel.gradationLetter, widget);
    default:
        return;
    }
}

void bindAashto(Role role, QWidget* widget, AashtoPanel& panel) {
    switch (role) {
    case Role::AashtoFines:
        return put(panel.fines, widget);
    case Role::AashtoPassingNo40:
        return put(panel.passingNo40, widget);
    case Role::AashtoPassingNo10:
        return put(panel.passingNo10, widget);
    case Role::AashtoLiquidLimit:
        return put(panel.liquidLimit, widget);
    case Role::AashtoPlasticityIndex:
        return put(panel.plasticityIndex, widget);
    case Role::AashtoCalculate:
        return put(panel.calculate, widget);
    case Role::SoilType:
        return put(panel.soilType, widget);
    case Role::Material:
        return put(panel.material, widget);
    case Role::Group:
        return put(panel.group, widget);
    case Role::GroupIndex:
        return put(panel.groupIndex, widget);
    case Role::ZeroIndexNote:
        return put(panel.zeroIndexNote, widget);
    case Role::NegativeIndexNote:
        return put(panel.negativeIndexNote, widget);
    default:
        return;
    }
}

} // namespace

QLineEdit* UnifiedPanel::box(Quantity field) const {
    switch (field) {
    case Quantity::Fines:
        return fines;
    case Quantity::PassingNo4:
        return passingNo4;
    case Quantity::LiquidLimit:
        return liquidLimit;
    case Quantity::PlasticityIndex:
        return plasticityIndex;
    case Quantity::Cc:
        return cc;
    case Quantity::Cu:
        return cu;
    default:
        return nullptr;
    }
}

QLineEdit* AashtoPanel::box(Quantity field) const {
    switch (field) {
    case Quantity::Fines:
        return fines;
    case Quantity::PassingNo40:
        return passingNo40;
    case Quantity::PassingNo10:
        return passingNo10;
    case Quantity::LiquidLimit:
        return liquidLimit;
    case Quantity::PlasticityIndex:
        return plasticityIndex;
    default:
        return nullptr;
    }
}

std::vector<QLineEdit*> Panels::inputs(Method method) const {
    if (method == Method::Unified) {
        const UnifiedPanel& u = unified;
        return {u.fines, u.passingNo4, u.liquidLimit, u.plasticityIndex, u.cc, u.cu};
    }
    const AashtoPanel& a = aashto;
    return {a.fines, a.passingNo40, a.passingNo10, a.liquidLimit, a.plasticityIndex};
}

std::vector<QLineEdit*> Panels::results(Method method) const {
    if (method == Method::Unified) {
        return {unified.symbol};
    }
    return {aashto.soilType, aashto.material, aashto.group, aashto.groupIndex};
}

QAbstractButton* Panels::calculate(Method method) const {
    return method == Method::Unified ? unified.calculate : aashto.calculate;
}

void bind(Role role, QWidget* widget, FrameControls& frame, Panels& panels) {
    switch (role) {
    case Role::None:
        return;
    case Role::PanelArea:
        panels.area = widget;
        return;
    case Role::FirstAddress:
        return put(panels.about.firstAddress, widget);
    case Role::SecondAddress:
        return put(panels.about.secondAddress, widget);
    default:
        bindFrame(role, widget, frame);
        bindUnified(role, widget, panels.unified);
        bindAashto(role, widget, panels.aashto);
        return;
    }
}

} // namespace classifier
