#pragma once

#include <optional>
#include <string_view>

#include "core/create/fingering_search.hpp"

namespace fretwise {

// The words that name the orders and the bass choices on the command line and in the
// settings file.
constexpr std::string_view kClassicOrderName = "classic";
constexpr std::string_view kGuitaristOrderName = "guitarist";
constexpr std::string_view kRootBassName = "root";
constexpr std::string_view kAnyBassName = "any";

constexpr std::string_view CreateOrderName(CreateOrder order) {
    return order == CreateOrder::Guitarist ? kGuitaristOrderName : kClassicOrderName;
}

constexpr std::optional<CreateOrder> CreateOrderNamed(std::string_view name) {
    if (name == kClassicOrderName) {
        return CreateOrder::Classic;
    }
    if (name == kGuitaristOrderName) {
        return CreateOrder::Guitarist;
    }
    return std::nullopt;
}

constexpr std::optional<BassChoice> BassChoiceNamed(std::string_view name) {
    if (name == kRootBassName) {
        return BassChoice::Root;
    }
    if (name == kAnyBassName) {
        return BassChoice::Any;
    }
    return std::nullopt;
}

}  // namespace fretwise
