// Modal results of every dialog of the program.
#pragma once

namespace klaxora::ModalResult {

constexpr int Ok = 1;
constexpr int Cancel = 2;

} // namespace klaxora::ModalResult
