#pragma once
// The towns' daily economy: stocks of every town, and the current town's production.

// New-day update of all 30 town records: days held, water, food.
void TaeglicheStadtWerte();
// New-day production in the current town: wells filled, food stacks delivered, the garrison fed
// and a stationed collector's trade-up.
void TaeglicheProduktion();
