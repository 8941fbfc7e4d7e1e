// The provincial and territorial calculation components the host calls (none
// is registered by default) and the two points where it calls them: before
// Schedule 5's last step, and before Netfile output.
#pragma once

#include "host/tax_return.h"
#include "host/validation.h"
#include "taxcalc/provincial_tax_manager.h"

#include <memory>
#include <vector>

void registerProvincialComponent(std::shared_ptr<CProvincialTaxManager> component);
void unregisterProvincialComponent(const CProvincialTaxManager* component);
const std::vector<std::shared_ptr<CProvincialTaxManager>>& provincialComponents();

// Each needed component's CalculateBefore_S5StepLast, with the return's first
// T3 return, Schedule 5 and Schedule 7 (or none).
void runComponentsBeforeSch5StepLast(const TaxReturn& ret);

// What stops Netfile output: Schedule 5's reason when the return is not
// eligible, then each needed component's AnyMsgBeforeNetfile messages (a
// component that answers false without a message gets a message of its own).
// Component messages carry the form name "Provincial" and index -1.
std::vector<ValidationMessage> messagesBeforeNetfile(const TaxReturn& ret);
