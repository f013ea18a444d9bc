#pragma once
// The general parameter fields: what leaving each of them does.

namespace sw4 {

class Sim;

void wireParameterFields(Sim& sim);

}  // namespace sw4
