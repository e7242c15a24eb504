#include "host/forms/run_context.h"

namespace host {

RunContext &runContext()
{
    static RunContext context;
    return context;
}

} // namespace host
