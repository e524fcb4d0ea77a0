#include <velmaris/host/commands/DesignCommandFactory.h>

namespace Velmaris {

DesignCommandFactory::~DesignCommandFactory() = default;
DesignDefinitionControlInterface::~DesignDefinitionControlInterface() = default;

} // namespace Velmaris
