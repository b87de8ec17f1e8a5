// The event script reader on any text: it may skip lines or stop early, but
// the queue it leaves is sorted and holds only events a script can make.
#include "FuzzSupport.h"
#include "timeline/cEventQueue_factory.h"

#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    cEventQueue queue;
    run_reader([&] {
        std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
        cEventQueue_factory::parse(in, queue);
    });
    for (size_t i = 0; i < queue.size(); ++i) {
        const int type = queue.at(i)->type;
        if (type < 0 || type > cEvent::kQuit || type == cEvent::kMidi || type == cEvent::kBeat ||
            (i > 0 && queue.at(i - 1)->time > queue.at(i)->time))
            std::abort();
    }
    return 0;
}
