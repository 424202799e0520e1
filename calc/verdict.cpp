// The one verdict on a design.
#include "calc/verdict.h"

bool DesignPasses(RunResult status, const SectionDesign& sections, int stageMessages) {
    return status == RunResult::Completed && AllSectionsPass(sections) && stageMessages == 0;
}
