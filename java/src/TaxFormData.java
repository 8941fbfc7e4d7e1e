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
        readExtraDataFromStream(instrm, version);
    }

    /** Data a form stores after its fields; none by default. */
    protected void readExtraDataFromStream(LEDataInputStream instrm, int version) throws IOException
    {
    }

    /** The form's fields as the "fields" object of the JSON return file. */
    public void appendFieldsJson(StringBuilder out, String indent)
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
