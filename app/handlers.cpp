#include "app/handlers.h"

#include "app/fault_box.h"
#include "calc/fault.h"

void RunHandler(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const calc::Fault& fault) {
        ReportFault(fault.Message());
    }
}
