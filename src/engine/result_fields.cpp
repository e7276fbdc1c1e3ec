// SPDX-License-Identifier: Apache-2.0
#include "engine/result_fields.h"

#include <algorithm>
#include <iterator>

namespace korvanex {

namespace {

using R = AnalysisResults;
constexpr ResultGroup Driver = ResultGroup::Driver;
constexpr ResultGroup Edge = ResultGroup::EdgeModel;
constexpr ResultGroup Comp = ResultGroup::Composition;
constexpr ResultKind Stress = ResultKind::Stress;
constexpr ResultKind Length = ResultKind::Length;
constexpr ResultKind Factor = ResultKind::Factor;

const ResultField fields[] = {
    // clang-format off
    {"SlabEdgeStress",      Driver, Stress, &R::SlabEdgeStress,      nullptr},
    {"SlabCornerStress",    Driver, Stress, &R::SlabCornerStress,    nullptr},
    {"SlabInteriorStress",  Driver, Stress, &R::SlabInteriorStress,  nullptr},
    {"TopEdgeStress",       Driver, Stress, &R::TopEdgeStress,       nullptr},
    {"TopCornerStress",     Driver, Stress, &R::TopCornerStress,     nullptr},
    {"TopInteriorStress",   Driver, Stress, &R::TopInteriorStress,   nullptr},
    {"SecondLayerFactor",   Driver, Factor, &R::SecondLayerFactor,   nullptr},
    {"l",                   Driver, Length, nullptr,                 &R::l},
    {"a_l",                 Driver, Factor, &R::a_l,                 nullptr},
    {"D0_l",                Driver, Factor, &R::D0_l,                nullptr},
    {"AGG_kl",              Driver, Factor, &R::AGG_kl,              nullptr},
    {"L_l",                 Driver, Factor, &R::L_l,                 nullptr},
    {"W_l",                 Driver, Factor, &R::W_l,                 nullptr},
    {"DP",                  Driver, Factor, &R::DP,                  nullptr},
    {"DG",                  Driver, Factor, &R::DG,                  nullptr},
    {"ADT",                 Driver, Factor, &R::ADT,                 nullptr},
    {"s_l",                 Driver, Factor, &R::s_l,                 nullptr},
    {"t_l",                 Driver, Factor, &R::t_l,                 nullptr},
    {"d_l",                 Driver, Factor, &R::d_l,                 nullptr},
    {"CurlStress",          Driver, Stress, &R::CurlStress,          nullptr},
    {"MdEdgeInfSlab",       Edge,   Stress, &R::MdEdgeInfSlab,       nullptr},
    {"MdSecondLayer",       Edge,   Factor, &R::MdSecondLayer,       nullptr},
    {"MdSlabSize",          Edge,   Factor, &R::MdSlabSize,          nullptr},
    {"MdTiedShoulder",      Edge,   Factor, &R::MdTiedShoulder,      nullptr},
    {"MdWidenedLane",       Edge,   Factor, &R::MdWidenedLane,       nullptr},
    {"MdCurlStress",        Edge,   Stress, &R::MdCurlStress,        nullptr},
    {"MdTopLayerStress",    Edge,   Stress, &R::MdTopLayerStress,    nullptr},
    {"MdCombinedStress",    Edge,   Stress, &R::MdCombinedStress,    nullptr},
    {"MdBottomLayerStress", Edge,   Stress, &R::MdBottomLayerStress, nullptr},
    {"GearFactor",          Comp,   Factor, &R::GearFactor,          nullptr},
    {"TiedFactor",          Comp,   Factor, &R::TiedFactor,          nullptr},
    {"WidenedFactor",       Comp,   Factor, &R::WidenedFactor,       nullptr},
    {"SlabSizeFactor",      Comp,   Factor, &R::SlabSizeFactor,      nullptr},
    {"OtherWheelsFactor",   Comp,   Factor, &R::OtherWheelsFactor,   nullptr},
    {"WestergaardStress",   Comp,   Stress, &R::WestergaardStress,   nullptr},
    {"InfiniteSlabStress",  Comp,   Stress, &R::InfiniteSlabStress,  nullptr},
    {"SlabSizeLosFactor",   Comp,   Factor, &R::SlabSizeLosFactor,   nullptr},
    {"LoadCurlFactor",      Comp,   Factor, &R::LoadCurlFactor,      nullptr},
    {"LoadingStressOnly",   Comp,   Stress, &R::LoadingStressOnly,   nullptr},
    {"LoadingStressLos",    Comp,   Stress, &R::LoadingStressLos,    nullptr},
    {"CombinedStress",      Comp,   Stress, &R::CombinedStress,      nullptr},
    // clang-format on
};

} // namespace

std::span<const ResultField> resultFields() {
    return fields;
}

const ResultField& resultFieldOf(float AnalysisResults::*single) {
    return *std::find_if(std::begin(fields), std::end(fields),
                         [single](const ResultField& field) { return field.single == single; });
}

const ResultField& resultFieldOf(double AnalysisResults::*wide) {
    return *std::find_if(std::begin(fields), std::end(fields),
                         [wide](const ResultField& field) { return field.wide == wide; });
}

double resultValue(const AnalysisResults& results, const ResultField& field) {
    return field.wide != nullptr ? results.*field.wide : static_cast<double>(results.*field.single);
}

} // namespace korvanex
