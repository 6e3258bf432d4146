#pragma once

#include <string>

#include "create/order_names.hpp"
#include "storage/setting_key.hpp"

namespace fretwise {

// The window's settings on keyed lines of "Settings.ini", one entry each.
constexpr SettingKey<CreateOrder> kChordOrderKey{
    "ChordOrder", CreateOrder::Classic, CreateOrderNamed,
    [](CreateOrder order) { return std::string(CreateOrderName(order)); }};
constexpr SettingKey<bool> kRestTrebleKey = TruthKey("RestTreble");

}  // namespace fretwise
