// The one verdict on a design.
#include "calc/verdict.h"

bool DesignPasses(const SectionDesign& sections, int stageMessages) {
    return AllSectionsPass(sections) && stageMessages == 0;
}
