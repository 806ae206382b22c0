#pragma once

/// A visitor for std::visit made of one lambda per alternative of the variant.
template<class... Ts>
struct Overloaded : Ts...
{
    using Ts::operator()...;
};
