#include "inspector/inspector.h"
#include "model/body_slots.h"
#include "platform/readings.h"

namespace sw4 {

namespace {
int asBody(double reading) {
  const double n = roundHalfEven(reading);
  return n >= 0 && n <= kMaxBody ? static_cast<int>(n) : -1;
}
}  // namespace

int bodyNamedLeniently(const Control& field) {
  return asBody(field.lenient());
}

int bodyNamedStrictly(const Control& field) {
  return field.strictOk() ? asBody(field.strict()) : -1;
}

}  // namespace sw4
