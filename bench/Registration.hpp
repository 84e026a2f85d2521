#pragma once
// The benchmark groups, registered by main in the order they must run: the
// window's first, while the stores still hold material never shown.

void registerWindowBenchmarks();
void registerStoreBenchmarks();
void registerWidgetBenchmarks();
