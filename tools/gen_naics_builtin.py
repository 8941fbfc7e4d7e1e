#!/usr/bin/env python3
"""Writes framework/naics_builtin_table.cpp, the built-in industry-code
picklist offered when no code list file is available.

Usage: python3 tools/gen_naics_builtin.py

The entries are grouped the way the picklist shows them (professional
services, transportation, real estate, ..., farming). A code may appear more
than once with different descriptions so that a user can find a trade under
the name they know it by. The order and the count (268) are part of the
table's contract with the code pickers; do not re-sort.
"""

import os
import sys

ENTRIES = [
    # Professional, scientific and health services
    ("523999", "Online financial and investment advice"),
    ("541000", "Other professional, scientific or technical services"),
    ("541110", "Lawyer"),
    ("541120", "Notary (Quebec Only)"),
    ("541190", "Other legal services (paralegal, title search)"),
    ("541212", "Bookkeeping services"),
    ("541215", "Tax preparation services"),
    ("541310", "Architect"),
    ("541320", "Landscape architect"),
    ("541330", "Engineer"),
    ("541940", "Veterinarian"),
    ("541999", "All other professional, scientific and technical services"),
    ("621110", "Physician (doctor)"),
    ("621210", "Dentist"),
    ("621330", "Psychologist and mental health practitioner"),
    ("621390", "Other health practitioner (chiropractor, physiotherapist, optometrist)"),
    ("624000", "Social assistance services"),
    ("115110", "Support activities for crop production"),
    ("115210", "Support activities for animal production"),
    ("115000", "Other support activities for farming and forestry"),
    # Transportation, utilities and communications
    ("481000", "Air transportation"),
    ("483000", "Water transportation"),
    ("484000", "Truck transportation"),
    ("485110", "Urban transit systems"),
    ("485210", "Interurban and rural bus transportation"),
    ("485310", "Taxi and ride-hailing services"),
    ("485410", "School and employee bus transportation"),
    ("493100", "Warehousing and storage"),
    ("480000", "Other transportation services"),
    ("221000", "Utilities"),
    ("491110", "Postal service"),
    ("492110", "Couriers and delivery services"),
    ("517000", "Telecommunications"),
    ("541870", "Flyer and advertising material distribution"),
    # Finance, insurance and real estate
    ("523000", "Securities, commodities and other financial investment services"),
    ("524100", "Insurance carriers"),
    ("524210", "Insurance agencies and brokerages"),
    ("531111", "Lessors of residential buildings and dwellings"),
    ("531112", "Lessors of social housing projects"),
    ("531120", "Lessors of non-residential buildings"),
    ("531130", "Self-storage mini-warehouses"),
    ("531190", "Lessors of other real estate property"),
    ("531211", "Real estate agent"),
    ("531212", "Real estate broker"),
    ("531310", "Real estate property manager"),
    ("531320", "Real estate appraiser"),
    ("531390", "Other activities related to real estate"),
    # Information, business and administrative services
    ("511000", "Publishing (except Internet)"),
    ("518110", "Internet service providers and web hosting"),
    ("518210", "Data processing, hosting and related services"),
    ("541510", "Computer programming and systems design"),
    ("541610", "Management consulting services"),
    ("541620", "Environmental consulting services"),
    ("541690", "Other scientific and technical consulting services"),
    ("541800", "Advertising, public relations and related services"),
    ("561300", "Employment and staffing services"),
    ("561700", "Services to buildings and dwellings"),
    ("561000", "Other administrative and support services"),
    ("561999", "All other support services"),
    # Education, health and child care
    ("610000", "Educational services"),
    ("611690", "Tutoring and other instruction"),
    ("620000", "Other health care services"),
    ("624410", "Child day-care services"),
    # Arts, entertainment and recreation
    ("512110", "Film and video production"),
    ("512130", "Movie theatres and film festivals"),
    ("711100", "Performing arts companies"),
    ("711211", "Sports teams and clubs"),
    ("711218", "Other spectator sports (athlete, racing)"),
    ("711319", "Promoters of performing arts, sports and similar events"),
    ("711410", "Agents and managers for artists, athletes and entertainers"),
    ("711510", "Independent artists, writers and performers"),
    ("519130", "Online content creator, blogger and web publisher"),
    ("713900", "Other amusement and recreation (fitness instructor, golf, marina)"),
    ("710000", "Other arts, entertainment and recreation"),
    ("812990", "All other personal services"),
    # Accommodation and food services
    ("721110", "Hotels and motels"),
    ("721190", "Bed and breakfast and short-term rental accommodation"),
    ("721200", "RV parks and recreational camps"),
    ("721310", "Rooming and boarding houses"),
    ("722110", "Full-service restaurants"),
    ("722210", "Limited-service restaurants and take-out"),
    ("722320", "Caterers"),
    ("722330", "Mobile food services (food truck, canteen)"),
    ("722410", "Drinking places (bars, pubs, taverns)"),
    # Repair, maintenance and personal services
    ("811111", "General automotive repair"),
    ("811112", "Automotive exhaust system repair"),
    ("811121", "Automotive body, paint and interior repair"),
    ("811122", "Automotive glass replacement"),
    ("811192", "Car washes and detailing"),
    ("811210", "Electronic and precision equipment repair"),
    ("811410", "Home and garden equipment and appliance repair"),
    ("811420", "Upholstery and furniture repair"),
    ("811430", "Footwear and leather goods repair"),
    ("811000", "Other repair and maintenance"),
    ("561722", "Janitorial and office cleaning services"),
    ("561740", "Carpet and upholstery cleaning"),
    ("624120", "Home support services for seniors and persons with disabilities"),
    ("812110", "Hair care and esthetic services"),
    ("812200", "Funeral services"),
    ("812300", "Dry cleaning and laundry services"),
    ("810000", "Other personal and household services"),
    ("532000", "Rental and leasing services"),
    ("532110", "Automotive equipment rental and leasing"),
    ("541920", "Photographer"),
    ("561510", "Travel agency"),
    ("561700", "Landscaping, lawn care and snow removal"),
    ("561722", "Window cleaning services"),
    ("813000", "Religious, grant-making, civic and professional organizations"),
    # Retail trade
    ("442110", "Furniture stores"),
    ("442200", "Home furnishings stores"),
    ("443110", "Appliance, television and electronics stores"),
    ("443120", "Computer and software stores"),
    ("445110", "Supermarkets"),
    ("445110", "Grocery stores (except supermarkets)"),
    ("445120", "Convenience stores"),
    ("445200", "Specialty food stores (butcher, fish, fruit and vegetable markets)"),
    ("445290", "Other specialty food stores (bakery, candy, health food)"),
    ("445310", "Beer, wine and liquor stores"),
    ("445000", "Other food and beverage stores"),
    ("441100", "Automobile dealers"),
    ("441210", "Recreational vehicle dealers"),
    ("441310", "Automotive parts and accessories stores"),
    ("447110", "Gasoline stations with convenience stores"),
    ("447190", "Other gasoline stations"),
    ("443130", "Camera and photographic supplies stores"),
    ("444120", "Paint and wallpaper stores"),
    ("444130", "Hardware stores"),
    ("444220", "Nursery stores and garden centres"),
    ("446110", "Pharmacies and drug stores"),
    ("448000", "Clothing and clothing accessories stores"),
    ("448310", "Jewellery stores"),
    ("451110", "Sporting goods stores"),
    ("451120", "Hobby, toy and game stores"),
    ("451130", "Sewing, needlework and piece goods stores"),
    ("451140", "Musical instrument and supplies stores"),
    ("451210", "Book stores and news dealers"),
    ("451220", "Music and video stores"),
    ("452000", "General merchandise stores"),
    ("453110", "Florists"),
    ("453210", "Office supplies and stationery stores"),
    ("453220", "Gift, novelty and souvenir stores"),
    ("440000", "Other retail stores"),
    ("454111", "Online retail sales"),
    ("454113", "Mail-order sales"),
    ("454210", "Vending machine operators"),
    ("454310", "Fuel dealers (heating oil, propane, firewood)"),
    ("454390", "Direct selling - other"),
    ("454390", "Door-to-door sales"),
    ("454390", "Flea market vendor"),
    ("454390", "Street vendor"),
    ("454390", "Party plan sales"),
    # Wholesale trade
    ("411100", "Farm product wholesaler-distributors"),
    ("412110", "Petroleum product wholesaler-distributors"),
    ("413100", "Food wholesaler-distributors"),
    ("413200", "Beverage wholesaler-distributors"),
    ("413310", "Cigarette and tobacco product wholesaler-distributors"),
    ("414000", "Personal and household goods wholesaler-distributors"),
    ("414100", "Clothing, textile and footwear wholesaler-distributors"),
    ("414510", "Pharmaceuticals and pharmacy supplies wholesaler-distributors"),
    ("415000", "Motor vehicle and parts wholesaler-distributors"),
    ("416000", "Building material and supplies wholesaler-distributors"),
    ("417000", "Machinery, equipment and supplies wholesaler-distributors"),
    ("419110", "Business-to-business electronic markets"),
    ("419120", "Wholesale trade agents and brokers"),
    ("410000", "Other wholesale trade"),
    ("418990", "All other miscellaneous wholesaler-distributors"),
    # Construction
    ("236000", "Construction of buildings"),
    ("236110", "Residential building construction and renovation"),
    ("237000", "Heavy and civil engineering construction"),
    ("231410", "Land subdivision and development"),
    ("238910", "Site preparation contractors"),
    ("238910", "Excavation and demolition contractors"),
    ("238100", "Foundation, structure and building exterior contractors"),
    ("238190", "Other foundation, structure and building exterior contractors"),
    ("238140", "Masonry contractors"),
    ("238150", "Glass and glazing contractors"),
    ("238160", "Roofing contractors"),
    ("238170", "Siding contractors"),
    ("238390", "Other building finishing contractors"),
    ("238310", "Drywall contractors"),
    ("238310", "Insulation contractors"),
    ("238340", "Tile and terrazzo contractors"),
    ("238330", "Flooring contractors"),
    ("238310", "Plastering and stucco contractors"),
    ("238320", "Painting and wall covering contractors"),
    ("238350", "Finish carpentry contractors"),
    ("238330", "Carpet and hardwood floor installers"),
    ("238210", "Electrical contractors"),
    ("238220", "Plumbing contractors"),
    ("238220", "Heating, ventilation and air-conditioning contractors"),
    ("238220", "Gas fitting and sprinkler system contractors"),
    ("238990", "Fencing contractors"),
    ("238990", "Paving and driveway contractors"),
    ("238990", "All other specialty trade contractors"),
    ("230000", "Other construction"),
    # Manufacturing
    ("311000", "Food manufacturing"),
    ("312100", "Beverage manufacturing"),
    ("312220", "Tobacco product manufacturing"),
    ("313000", "Textile mills"),
    ("314000", "Textile product mills"),
    ("315000", "Clothing manufacturing"),
    ("316110", "Leather and hide tanning and finishing"),
    ("321000", "Wood product manufacturing"),
    ("322000", "Paper manufacturing"),
    ("323100", "Printing and related support activities"),
    ("324100", "Petroleum and coal product manufacturing"),
    ("325000", "Chemical manufacturing"),
    ("326100", "Plastic product manufacturing"),
    ("326200", "Rubber product manufacturing"),
    ("327000", "Non-metallic mineral product manufacturing"),
    ("331000", "Primary metal manufacturing"),
    ("332000", "Fabricated metal product manufacturing"),
    ("334000", "Computer and electronic product manufacturing"),
    ("335000", "Electrical equipment, appliance and component manufacturing"),
    ("336000", "Transportation equipment manufacturing"),
    ("337000", "Furniture and related product manufacturing"),
    ("300000", "Other manufacturing"),
    # Forestry, mining, oil and gas
    ("113310", "Logging"),
    ("114210", "Hunting and trapping"),
    ("115310", "Support activities for forestry"),
    ("211110", "Oil and gas extraction"),
    ("212000", "Mining and quarrying (except oil and gas)"),
    ("212300", "Non-metallic mineral mining and quarrying"),
    ("213110", "Support activities for mining and oil and gas extraction"),
    # Fishing and aquaculture
    ("114123", "Salt water finfish fishing - inshore"),
    ("114133", "Salt water finfish fishing - midshore"),
    ("114143", "Salt water finfish fishing - offshore"),
    ("114124", "Shellfish fishing - inshore"),
    ("114134", "Shellfish fishing - midshore"),
    ("114144", "Shellfish fishing - offshore"),
    ("112510", "Finfish aquaculture (fish farming)"),
    # Animal production
    ("112110", "Beef cattle ranching and farming, including feedlots"),
    ("112120", "Dairy cattle and milk production"),
    ("112210", "Hog and pig farming"),
    ("112310", "Chicken egg production"),
    ("112320", "Broiler and other meat-type chicken production"),
    ("112330", "Turkey production"),
    ("112340", "Poultry hatcheries"),
    ("112391", "Combination poultry and egg production"),
    ("112399", "All other poultry production"),
    ("112410", "Sheep farming"),
    ("112420", "Goat farming"),
    ("112510", "Shellfish aquaculture"),
    ("115210", "Livestock breeding, boarding and farrier services"),
    ("112991", "Animal combination farming"),
    ("112910", "Apiculture (beekeeping)"),
    ("112920", "Horse and other equine production"),
    ("112930", "Fur-bearing animal and rabbit production"),
    ("112999", "All other miscellaneous animal production"),
    # Crop production
    ("111110", "Soybean farming"),
    ("111120", "Oilseed (except soybean) farming"),
    ("111130", "Dry pea and bean farming"),
    ("111140", "Wheat farming"),
    ("111150", "Corn farming"),
    ("111190", "Other grain farming"),
    ("111211", "Potato farming"),
    ("111219", "Other vegetable (except potato) and melon farming"),
    ("111330", "Non-citrus fruit and tree nut farming"),
    ("111411", "Mushroom production"),
    ("111419", "Other food crops grown under cover (greenhouse)"),
    ("111421", "Nursery and tree production"),
    ("111422", "Floriculture production"),
    ("111910", "Tobacco farming"),
    ("111940", "Hay farming"),
    ("111993", "Fruit and vegetable combination farming"),
    ("111994", "Maple syrup and products production"),
    ("111999", "All other miscellaneous crop farming"),
    ("115110", "Custom crop services (seeding, spraying, harvesting)"),
]

EXPECTED_COUNT = 268


def check():
    if len(ENTRIES) != EXPECTED_COUNT:
        sys.exit(f"expected {EXPECTED_COUNT} entries, have {len(ENTRIES)}")
    seen = set()
    for code, desc in ENTRIES:
        if len(code) != 6 or not code.isdigit():
            sys.exit(f"bad code {code!r}")
        if not desc or '"' in desc or "\\" in desc or not desc.isascii():
            sys.exit(f"bad description for {code}: {desc!r}")
        if (code, desc) in seen:
            sys.exit(f"duplicate entry {code} {desc!r}")
        seen.add((code, desc))


def render():
    out = [
        "// Built-in industry-code picklist.",
        "// Generated by tools/gen_naics_builtin.py; edit the script and run it again.",
        "",
        '#include "framework/naics_builtin_table.h"',
        "",
        "const NaicsBuiltinEntry g_naicsBuiltinTable[] = {",
    ]
    for code, desc in ENTRIES:
        out.append(f'    {{"{code}", "{desc}"}},')
    out += [
        "};",
        "",
        "const int g_naicsBuiltinCount =",
        "    static_cast<int>(sizeof(g_naicsBuiltinTable) / sizeof(g_naicsBuiltinTable[0]));",
        "",
        "static_assert(sizeof(g_naicsBuiltinTable) / sizeof(g_naicsBuiltinTable[0]) ==",
        "                  static_cast<unsigned>(kNaicsBuiltinCount),",
        '              "the built-in industry-code table has a fixed number of entries");',
        "",
    ]
    return "\n".join(out)


def main():
    check()
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    target = os.path.join(root, "framework", "naics_builtin_table.cpp")
    with open(target, "w", encoding="utf-8", newline="\n") as f:
        f.write(render())
    print(f"wrote {len(ENTRIES)} entries to framework/naics_builtin_table.cpp")


if __name__ == "__main__":
    main()
