// Prints the table as one line, as sqrt-table writes it but with entry 0
// as 0, then stops.
#include <sqrt_table.h>
#ifdef __AVR__
#include <avr/sleep.h>
#endif

void setup() {
  Serial.begin(115200);
  for (unsigned i = 0; i < sizeof sqrt_table; i++) {
    // On AVR the table is in flash, where a plain read would not look.
    Serial.print(pgm_read_byte(&sqrt_table[i]));
    Serial.print(',');
  }
  Serial.println();
  // Sent in full before the interrupts that send it stop.
  Serial.flush();
#ifdef __AVR__
  // Asleep with interrupts off, the chip stops for good, and so does a
  // simulator.
  cli();
  sleep_enable();
  sleep_cpu();
#endif
}

void loop() {}
