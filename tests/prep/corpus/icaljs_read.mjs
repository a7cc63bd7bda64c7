// Reads a .vcf file with ical.js, the parser of Thunderbird's address book and
// Nextcloud Contacts, and prints each card's properties as JSON lines:
// {"name": ..., "types": [...], "values": [...]} per property, one array per card.
// Usage: node icaljs_read.mjs ICALJS_MODULE_FILE CARDS.vcf
import { readFileSync } from "node:fs";
import { pathToFileURL } from "node:url";

const [modulePath, cardsPath] = process.argv.slice(2);
const ICAL = (await import(pathToFileURL(modulePath).href)).default;

// rowcard-prep's cards are in code page 1250; ical.js reads text, and only
// the letters that matter here are ASCII after rowcard's cleaning.
const text = new TextDecoder("windows-1250").decode(readFileSync(cardsPath));
let parsed = ICAL.parse(text);
if (parsed.length && typeof parsed[0] === "string") {
  parsed = [parsed];
}
const cards = parsed.map((jcard) => {
  const component = new ICAL.Component(jcard);
  return component.getAllProperties().map((property) => {
    let types = property.getParameter("type") ?? [];
    if (!Array.isArray(types)) {
      types = [types];
    }
    const values = property.getValues().map((value) =>
      Array.isArray(value) ? value.map((part) => (Array.isArray(part) ? part.join(",") : String(part))) : String(value));
    return { name: property.name, types: types.map(String), values };
  });
});
process.stdout.write(JSON.stringify(cards));
