import java.io.IOException;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

/**
 * Base of the generated form classes: the fields in registration order
 * (filled by addField in the generated constructor) and the reader of a
 * form's stored payload, a u32 entry count and the field entries, matched to
 * the fields by name.
 */
public class TaxFormData
{
    /** The stream version where the first additions after the fields appeared. */
    public static final int const_data_xml_version_start = 0x10100;

    protected final String className;
    protected final int formType;
    private final List<Field> fields = new ArrayList<>();
    private final Map<String, Field> byName = new HashMap<>();

    public TaxFormData(String className, int formType)
    {
        this.className = className;
        this.formType = formType;
    }

    public TaxFormData()
    {
        this("", 0);
    }

    protected void addField(Field field)
    {
        fields.add(field);
        byName.put(field.getName(), field);
    }

    public String getClassName()
    {
        return className;
    }

    public int getFormType()
    {
        return formType;
    }

    public List<Field> getFields()
    {
        return fields;
    }

    public void readDataFromStream(LEDataInputStream instrm, int version, String strPswd) throws IOException
    {
        long count = instrm.readUnsignedInt();
        for (long i = 0; i < count; i++) {
            int kind = instrm.readUnsignedByte();
            String name = Field.readName(instrm);
            Field field = byName.get(name);
            if (field == null)
                throw new IOException("unknown field " + name);
            field.checkKind(kind);
            field.readValue(instrm);
        }
        for (Object[] stale : CLEARED_BEFORE_VERSION)
            if (stale[0].equals(getClass().getName()) && version < (Integer) stale[2])
                ((FloatField) byName.get((String) stale[1])).setValue(0.0);
        readExtraDataFromStream(instrm, version);
    }

    /** Amounts that files of earlier stream versions stored for something else: read as 0, as the program does. */
    private static final Object[][] CLEARED_BEFORE_VERSION = {
        {"TaxData_Sch5", "fld_NB_578", 0x101F0},
    };

    /** Data a form stores after its fields; none by default. */
    protected void readExtraDataFromStream(LEDataInputStream instrm, int version) throws IOException
    {
    }

    /**
     * Rows a form stores after its fields: the class, the generated array
     * member that holds them, and the key of the JSON return file for them.
     */
    private static final String[][] EXTRA_ROWS = {
        {"TaxData_Sch1", "MoreS3EquityTransaction", "moreEquityEntries"},
    };

    /** The JSON keys of the rows this form stores after its fields, in stored order. */
    public List<String> extraRowKeys()
    {
        List<String> keys = new ArrayList<>();
        for (String[] row : EXTRA_ROWS)
            if (row[0].equals(getClass().getName()))
                keys.add(row[2]);
        return keys;
    }

    /** The rows read under `key`, each its fields in declaration (= stored) order. */
    public List<List<Field>> extraRows(String key)
    {
        List<List<Field>> rows = new ArrayList<>();
        Object array = get(extraRowMember(key), this);
        if (array != null)
            for (Object row : (Object[]) array)
                rows.add(fieldsOf(row));
        return rows;
    }

    /** A row under `key` with its default values, for a caller that fills one. */
    public List<Field> newExtraRow(String key)
    {
        Class<?> rowClass = extraRowMember(key).getType().getComponentType();
        try {
            java.lang.reflect.Constructor<?> ctor = rowClass.getDeclaredConstructor(getClass());
            ctor.setAccessible(true);
            return fieldsOf(ctor.newInstance(this));
        } catch (ReflectiveOperationException e) {
            throw new IllegalStateException(rowClass.getName() + " cannot be made", e);
        }
    }

    private java.lang.reflect.Field extraRowMember(String key)
    {
        for (String[] row : EXTRA_ROWS)
            if (row[0].equals(getClass().getName()) && row[2].equals(key)) {
                try {
                    return getClass().getDeclaredField(row[1]);
                } catch (NoSuchFieldException e) {
                    throw new IllegalStateException(row[0] + " has no member " + row[1], e);
                }
            }
        throw new IllegalArgumentException(getClass().getName() + " has no rows " + key);
    }

    /** The Field members of a generated row object, in declaration order. */
    private static List<Field> fieldsOf(Object row)
    {
        List<Field> fields = new ArrayList<>();
        for (java.lang.reflect.Field member : row.getClass().getDeclaredFields())
            if (Field.class.isAssignableFrom(member.getType()))
                fields.add((Field) get(member, row));
        return fields;
    }

    private static Object get(java.lang.reflect.Field member, Object owner)
    {
        try {
            member.setAccessible(true);
            return member.get(owner);
        } catch (IllegalAccessException e) {
            throw new IllegalStateException(member.getName() + " cannot be read", e);
        }
    }

    /** The form's fields as the "fields" object of the JSON return file. */
    public void appendFieldsJson(StringBuilder out, String indent)
    {
        appendFieldsJson(out, indent, fields);
    }

    /** Fields as one JSON object, by name. */
    public static void appendFieldsJson(StringBuilder out, String indent, List<Field> fields)
    {
        out.append("{");
        String sep = "\n";
        for (Field f : fields) {
            out.append(sep).append(indent).append("  ").append(Field.jsonString(f.getName())).append(": ")
                .append(f.toJson());
            sep = ",\n";
        }
        out.append(fields.isEmpty() ? "}" : "\n" + indent + "}");
    }
}
