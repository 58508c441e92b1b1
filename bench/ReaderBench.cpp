// Throughput of the results reader on a realistic results file and on large hostile ones.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "results/Results.h"

namespace {

std::string Realistic() {
    std::string text =
        "<html>\n<head><title>Satask results</title></head>\n<body><pre>\n"
        "command=\"satask mkcluster -clusterip 192.168.1.50 -gw 192.168.1.1 -mask 255.255.255.0 "
        "-usb\" output=\"\" exit=\"0\"\n\nsainfo lsservicestatus\npanel_name 78G00LM-1\n"
        "cluster_name Cluster_192.168.1.50\ncluster_ip_count 2\ncluster_port 1\n"
        "cluster_ip 192.168.1.50\ncluster_gw 192.168.1.1\ncluster_mask 255.255.255.0\n"
        "cluster_ip_6 \ncluster_gw_6 \ncluster_prefix_6 \ncluster_port 2\ncluster_ip \n"
        "cluster_gw \ncluster_mask \ncluster_ip_6 \ncluster_gw_6 \ncluster_prefix_6 \n";
    // A real status block carries many more keys before the service addresses.
    for (int i = 0; text.size() < 7800; ++i) {
        text += "node_property_" + std::to_string(i) + " value_" + std::to_string(i * 7) + "\n";
    }
    text +=
        "service_ip_address 192.168.70.121\nservice_gateway 192.168.70.1\n"
        "service_subnet_mask 255.255.255.0\nservice_ip_address_6 \nservice_gateway_6 \n"
        "service_prefix_6 \ntime_to_charge 12\nbattery_status online\nbattery_id 2\n"
        "battery_status online\ncommand_end\n</pre></body>\n</html>\n";
    return text;
}

std::string OneLine(std::size_t size) {
    return std::string(size, 'a');
}

std::string ShortLines(std::size_t size) {
    std::string text;
    while (text.size() < size) {
        text += "cluster_name x\n";
    }
    return text;
}

void Read(benchmark::State& state, const std::string& bytes) {
    for (auto _ : state) {
        results::TaskResults task;
        results::ResetToPlaceholder(task);
        results::MemorySource source(bytes);
        results::LineReader reader(source);
        benchmark::DoNotOptimize(results::ReadTaskResults(reader, task));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void BM_Realistic8KB(benchmark::State& state) {
    Read(state, Realistic());
}
void BM_OneLine64MB(benchmark::State& state) {
    Read(state, OneLine(64 << 20));
}
void BM_ShortLines64MB(benchmark::State& state) {
    // The task line first, so the reader walks the whole status block.
    Read(state,
         "command=\"satask resetpassword\" output=\"\" exit=\"0\"\nsainfo lsservicestatus\n" +
             ShortLines(64 << 20));
}

// The whole reader on a file in the current directory, as at start-up.
void BM_File64MB(benchmark::State& state) {
    const auto dir = std::filesystem::temp_directory_path() / "k4400-bench";
    std::filesystem::create_directories(dir);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    {
        std::ofstream("satask_result.html", std::ios::binary)
            << "command=\"satask resetpassword\" output=\"\" exit=\"0\"\nsainfo lsservicestatus\n"
            << ShortLines(64 << 20);
    }
    for (auto _ : state) {
        results::TaskResults task;
        results::FileModuleResults fileModules;
        results::ResetToPlaceholder(task);
        results::ResetToPlaceholder(fileModules);
        benchmark::DoNotOptimize(results::ReadResults(task, fileModules));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * (64 << 20)));
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(dir);
}

BENCHMARK(BM_Realistic8KB);
BENCHMARK(BM_OneLine64MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShortLines64MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_File64MB)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
