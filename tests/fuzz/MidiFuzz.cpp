// The MIDI reader on any bytes: it reads the file or refuses it with its
// designed exit, and the events it adds stay sorted and inside the demo.
#include "FuzzSupport.h"
#include "timeline/cMidiReader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> file = as_bytes(data, size);
    cEventQueue queue;
    run_reader([&] { cMidiReader::read_bytes(file, queue); });
    for (size_t i = 0; i < queue.size(); ++i) {
        const int32_t time = queue.at(i)->time;
        if (time < 0 || (i > 0 && queue.at(i - 1)->time > time))
            std::abort();
    }
    return 0;
}
