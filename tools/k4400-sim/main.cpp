// k4400-sim: a stand-in for a Veltara K4400 storage system and its file modules. Given a key
// folder, it executes the task files it finds there the way the system would and writes
// the results files back, honouring only their formats.
#include "CommandLine.h"
#include "Sim.h"

int main(int argc, char* argv[]) {
    sim::Options options;
    if (const auto exitCode = sim::ParseCommandLine(argc, argv, options)) {
        return *exitCode;
    }
    return sim::Run(options);
}
