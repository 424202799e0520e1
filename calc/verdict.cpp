// The one verdict on a design.
#include "calc/verdict.h"

bool DesignPasses(std::span<const DesignedSection> sections,
                  const std::optional<Stability>& stability, int stageMessages) {
    return AllSectionsPass(sections) && (!stability || stability->Passes()) && stageMessages == 0;
}
