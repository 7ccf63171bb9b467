#include "swf/Error.h"

namespace swf {

void ThrowDamaged(const std::string& what) { throw Error("damaged movie: " + what); }

} // namespace swf
